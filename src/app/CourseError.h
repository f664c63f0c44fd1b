#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// The error the program raises itself; its message is shown to the user as it stands.
class CourseError : public std::runtime_error
{
public:
    explicit CourseError(const QString &message);
};
