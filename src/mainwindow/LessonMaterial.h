#pragma once

#include <QString>

// Where a lesson's material lives: "data\课程\" followed by the entry's text and
// ".htm". Characters that cannot stand in a file name become "_", so the path
// never leaves that folder, whatever the text holds.
QString lessonRelativePath(const QString &nodeText);

// The page shown when a lesson's material is not installed.
QString missingLessonPage(const QString &nodeText, const QString &expectedPath);
