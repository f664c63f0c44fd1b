#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWebEnginePage;

// When the page's process ends abnormally the page is loaded again, once; if it
// fails again soon after, a short page of our own says so instead of a grey pane.
class CrashRecovery : public QObject
{
    Q_OBJECT

public:
    explicit CrashRecovery(QWebEnginePage *page);

private:
    void recover();

    QWebEnginePage *page;
    QElapsedTimer sinceReload;
};
