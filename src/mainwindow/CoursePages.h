#pragma once

#include <QStringView>

// The two pages of the course the program knows by name, relative to its folder.
inline constexpr QStringView startPage = u"data\\课程资料.htm";
inline constexpr QStringView contactPage = u"data\\联系我们.htm";
