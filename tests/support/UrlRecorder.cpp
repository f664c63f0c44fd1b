#include "support/UrlRecorder.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}
