#include "app/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    const QString cjkSans = QStringLiteral("Noto Sans CJK SC");
    const QString wenQuanYi = QStringLiteral("WenQuanYi Micro Hei");
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("AR PL UMing CN"), cjkSans, wenQuanYi});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                                cjkSans, wenQuanYi});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), cjkSans, wenQuanYi});
}
