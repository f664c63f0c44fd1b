#include "platform/BuiltInPage.h"

#include <QFile>

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString builtInPage(const QString &name, const QStringList &values)
{
    const QString page = resourceText(QStringLiteral(":/pages/%1.html").arg(name))
                             .replace(QStringLiteral("/*notice.css*/"), resourceText(QStringLiteral(":/pages/notice.css")));
    // In one pass, so that a '%' inside a value (a folder named "%1") stays as it is.
    QString built;
    for (qsizetype at = 0; at < page.size(); ++at) {
        const int index = at + 1 < page.size() && page.at(at) == u'%' ? page.at(at + 1).digitValue() - 1 : -1;
        if (index >= 0 && index < values.size()) {
            built += values.at(index).toHtmlEscaped();
            ++at;
        } else {
            built += page.at(at);
        }
    }
    return built;
}
