#include "mainwindow/LessonMaterial.h"

#include "platform/BuiltInPage.h"

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
    return builtInPage(QStringLiteral("missing-lesson"), {nodeText, expectedPath});
}
