#pragma once

#include <QWidget>

class BrowserPage;
class QWebEngineProfile;
class QWebEngineView;

// The embedded browser as the window uses it: navigate to a local file or a web
// address, stay silent, and host the widgets that receive the page's input (all of
// them descendants of this one). Nothing the engine signals reaches the window.
class WebBrowser : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Silent READ Silent WRITE setSilent)

public:
    explicit WebBrowser(QWidget *parent = nullptr);

    // Gives the browser its page; the profile must outlive this widget.
    void openPage(QWebEngineProfile *profile);

    // An absolute local path or a web address; returns at once. An address that
    // makes no valid URL raises CourseError.
    void Navigate(const QString &address);

    // Shows a page built in memory.
    void showHtml(const QString &html);

    bool Silent() const;
    void setSilent(bool silent);

private:
    QWebEngineView *view;
    BrowserPage *page = nullptr;
};
