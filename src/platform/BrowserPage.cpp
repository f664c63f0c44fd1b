#include "platform/BrowserPage.h"

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
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
