#include "app/CourseError.h"

CourseError::CourseError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}
