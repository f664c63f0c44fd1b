#include "platform/BrowserPage.h"

#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QWebEngineNewWindowRequest>

namespace {

// Where a link that asks for a new window leads: web addresses to the default
// browser, local pages into this page, mail to the system.
void openElsewhere(QWebEnginePage *page, const QUrl &url)
{
    const QString scheme = url.scheme();
    if (scheme == u"http" || scheme == u"https")
        OpenExternalLink(url.toString());
    else if (url.isLocalFile())
        page->load(url);
    else if (scheme == u"mailto")
        QDesktopServices::openUrl(url);
}

} // namespace

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    // Only a click may open a window, and never in the silent page.
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest &request) {
        if (!silent && request.isUserInitiated())
            openElsewhere(this, request.requestedUrl());
    });
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl &origin, Feature feature) {
        if (silent)
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
}

void BrowserPage::setSilent(bool isSilent)
{
    silent = isSilent;
    setAudioMuted(isSilent);
}

void BrowserPage::javaScriptAlert(const QUrl &securityOrigin, const QString &message)
{
    if (!silent)
        QWebEnginePage::javaScriptAlert(securityOrigin, message);
}

bool BrowserPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &message)
{
    return !silent && QWebEnginePage::javaScriptConfirm(securityOrigin, message);
}

bool BrowserPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &message, const QString &defaultValue,
                                   QString *result)
{
    return !silent && QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

QStringList BrowserPage::chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                                     const QStringList &acceptedMimeTypes)
{
    if (silent)
        return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &)
{
    // The program prints nothing, whatever a page logs.
}
