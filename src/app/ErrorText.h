#pragma once

#include <QString>

// The body of an error box: the message, with a full stop appended unless it already
// ends in a mark that sorts at or before "." ("!" for one), or in "。", "！" or "？".
QString errorBoxText(const QString &message);
