#include "mainwindow/LessonMaterial.h"

#include <QFile>

QString lessonRelativePath(const QString &nodeText)
{
    QString fileName = nodeText;
    for (QChar &character : fileName) {
        if (character < u' ' || QStringView(u"\\/:*?\"<>|").contains(character))
            character = u'_';
    }
    return QStringLiteral("data\\课程\\") + fileName + QStringLiteral(".htm");
}

QString missingLessonPage(const QString &nodeText, const QString &expectedPath)
{
    QFile page(QStringLiteral(":/pages/missing-lesson.html"));
    page.open(QIODevice::ReadOnly);
    return QString::fromUtf8(page.readAll()).arg(nodeText.toHtmlEscaped(), expectedPath.toHtmlEscaped());
}
