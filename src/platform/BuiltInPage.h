#pragma once

#include <QString>
#include <QStringList>

// One of the program's own pages, built in memory from its template in the
// resources (":/pages/NAME.html"), with the values put in for %1, %2, … after
// HTML escaping. The pages share one style.
QString builtInPage(const QString &name, const QStringList &values);
