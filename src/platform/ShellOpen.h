#pragma once

#include <QString>

// Hands a web address to the user's default browser and returns at once; whether a
// browser could be started is not examined.
void OpenExternalLink(const QString &address);
