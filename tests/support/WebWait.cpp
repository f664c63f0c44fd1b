#include "support/WebWait.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

QWebEngineView *engineView(QWidget *browser)
{
    return browser->findChild<QWebEngineView *>();
}

QWebEnginePage *browserPage(QWidget *browser)
{
    return browser->findChild<QWebEnginePage *>();
}

bool waitForLoad(QWebEngineView *view, const QUrl &expected, int timeoutMs)
{
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!finished.isEmpty()) {
            if (expected.isEmpty() || view->url() == expected)
                return true;
            finished.clear();
        }
        finished.wait(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return false;
}

QVariant evaluate(QWebEngineView *view, const QString &script, int timeoutMs)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, timeoutMs))
        qWarning("the page did not answer the script in time");
    return result;
}

QWidget *inputWidget(QWebEngineView *view)
{
    return view->focusProxy();
}
