#include "app/ErrorText.h"

QString errorBoxText(const QString &message)
{
    if (message.isEmpty())
        return message;
    const QChar last = message.back();
    const bool endsSentence = last <= u'.' || last == u'。' || last == u'！' || last == u'？';
    return endsSentence ? message : message + u'.';
}
