#include "platform/CrashRecovery.h"

#include "platform/BuiltInPage.h"

#include <QWebEnginePage>

namespace {
// A second failure within this time is taken as the page failing for good.
constexpr qint64 soonAfterMs = 20000;
} // namespace

CrashRecovery::CrashRecovery(QWebEnginePage *recovered)
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
        page->setHtml(builtInPage(QStringLiteral("page-failed"), {page->requestedUrl().toDisplayString()}));
        return;
    }
    sinceReload.start();
    page->triggerAction(QWebEnginePage::Reload);
}
