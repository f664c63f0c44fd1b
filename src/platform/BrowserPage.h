#pragma once

#include <QWebEnginePage>

// A page that, when silent, puts up no window of its own: no script dialog, no file
// chooser, no permission or log-in prompt, no new window. Otherwise a link that
// asks for a new window opens where it belongs. Nothing may throw out of these overrides:
// the engine calls them and would end the process.
class BrowserPage : public QWebEnginePage
{
    Q_OBJECT

public:
    BrowserPage(QWebEngineProfile *profile, QObject *parent);

    void setSilent(bool silent);
    bool isSilent() const { return silent; }

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &message, const QString &defaultValue,
                          QString *result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    bool silent = false;
};
