#pragma once

#include <QString>

// The folder of the running executable, with a trailing separator. Found from the
// executable's own path, so it does not depend on the working directory.
QString GetAppPath();

// GetAppPath() followed by a path relative to it, written with backslashes as in
// "data\课程资料.htm"; the backslashes become the platform's separator here.
QString appRelativePath(const QString &relativePath);
