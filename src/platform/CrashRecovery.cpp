#include "platform/CrashRecovery.h"

#include "platform/BrowserPage.h"

#include <QFile>

namespace {
// A second failure within this time is taken as the page failing for good.
constexpr qint64 soonAfterMs = 20000;
} // namespace

CrashRecovery::CrashRecovery(BrowserPage *recovered)
    : QObject(recovered)
    , page(recovered)
{
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    recover();
            });
}

void CrashRecovery::recover()
{
    if (sinceReload.isValid() && sinceReload.elapsed() < soonAfterMs) {
        sinceReload.invalidate();
        QFile notice(QStringLiteral(":/pages/page-failed.html"));
        notice.open(QIODevice::ReadOnly);
        page->setHtml(QString::fromUtf8(notice.readAll()).arg(page->requestedUrl().toDisplayString().toHtmlEscaped()));
        return;
    }
    sinceReload.start();
    page->triggerAction(QWebEnginePage::Reload);
}
