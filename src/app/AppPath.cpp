#include "app/AppPath.h"

#include <QCoreApplication>
#include <QDir>

QString GetAppPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/');
}

QString appRelativePath(const QString &relativePath)
{
    return GetAppPath() + QString(relativePath).replace(u'\\', QDir::separator());
}
