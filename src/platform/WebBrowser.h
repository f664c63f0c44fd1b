#pragma once

#include <QWidget>
#include <memory>

class BrowserPage;
class DownloadPrompt;
class FindBar;
class QPrinter;
class QWebEngineProfile;
class QWebEngineView;

// The embedded browser as the window uses it: navigate to a local file or a web
// address, stay silent, and host the widgets that receive the page's input (all of
// them descendants of this one). Nothing the engine signals reaches the window.
// Once it shows a page it also zooms, finds, prints, saves downloads and recovers
// from a crashed page; a silent browser shows none and does none of that.
class WebBrowser : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Silent READ Silent WRITE setSilent)

public:
    explicit WebBrowser(QWidget *parent = nullptr);
    ~WebBrowser() override;

    // Gives the browser its page; the profile must outlive this widget.
    void openPage(QWebEngineProfile *profile);

    // An absolute local path or a web address; returns at once. An address that
    // makes no valid URL raises CourseError.
    void Navigate(const QString &address);

    // Shows a page built in memory.
    void showHtml(const QString &html);

    bool Silent() const;
    void setSilent(bool silent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showInView();
    void equipForReading();
    FindBar *finder();
    void placeFindBar();
    void zoom(int direction);
    void print();

    QWebEngineView *view = nullptr; // made for the first page shown
    BrowserPage *page = nullptr;
    FindBar *findBar = nullptr;
    std::unique_ptr<QPrinter> printer; // while a print job runs
};
