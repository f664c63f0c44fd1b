#pragma once

#include <QLabel>

class QWebEnginePage;
class QWebEngineDownloadRequest;
class QWebEngineProfile;

// Files a page links to that the engine cannot show: the user is asked where to
// save each one, in a dialog that starts in the download folder, and a note along
// the bottom of the page tells how the download went. Nothing is saved without
// asking.
class DownloadPrompt : public QLabel
{
    Q_OBJECT

public:
    DownloadPrompt(QWebEngineProfile *profile, QWebEnginePage *page, QWidget *parent);

private:
    void ask(QWebEngineDownloadRequest *download);
    void tell(const QString &note, bool lasting);

    QWebEnginePage *page;
};
