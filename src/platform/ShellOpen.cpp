#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void OpenExternalLink(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}
