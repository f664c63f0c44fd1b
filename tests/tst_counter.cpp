// The launch counter: one silent request per start, against a server of our own.
#include "mainwindow/CourseTree.h"
#include "mainwindow/Unit1.h"
#include "support/ErrorBoxWatcher.h"
#include "support/LoopbackServer.h"
#include "support/TestEnvironment.h"
#include "support/TreeClicks.h"
#include "support/UrlRecorder.h"
#include "support/WebWait.h"

#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

namespace {

// Windows on screen besides the main window: any dialog the engine might put up.
QList<QWidget *> otherWindows(const QWidget *mainWindow)
{
    QList<QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != mainWindow && widget->isVisible())
            shown.append(widget);
    }
    return shown;
}

// Notes the order in which the engine sends requests out.
class RequestOrder : public QWebEngineUrlRequestInterceptor
{
public:
    QList<QUrl> urls;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override { urls.append(info.requestUrl()); }
};

} // namespace

class CounterTest : public QObject
{
    Q_OBJECT

private slots:
    void oneRequestPerStartAndNoMore()
    {
        LoopbackServer counter;
        UrlRecorder browser;
        TForm1 window(loopbackAddresses(counter.port()));
        window.resize(983, 633);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(counter.waitForRequests(1));

        const QByteArray target = counter.requests().first();
        const QList<QByteArray> pathAndQuery = target.split('?');
        QCOMPARE(pathAndQuery.value(0), QByteArray("/count/softcount/"));
        QCOMPARE(QUrl::fromPercentEncoding(pathAndQuery.value(1)), u"教师资格"_s);
        QVERIFY(!target.contains('#'));

        // Nothing the user does asks the counter again.
        auto *tree = window.findChild<CourseTree *>(u"TreeView1"_s);
        clickNode(tree, nodeByPath(tree, {u"联系我们"_s}));
        clickNode(tree, nodeByPath(tree, {u"精讲班视频课程"_s, u"[模块一] 第1章—教育观"_s}));
        for (int index = 1; index <= 8; ++index)
            QTest::mouseClick(window.findChild<QWidget *>(u"suiButton%1"_s.arg(index)), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QWidget *>(u"Image1"_s), Qt::LeftButton);
        QTest::qWait(1500);
        QCOMPARE(counter.requests().size(), 1);
        QWidget *counterBrowser = window.findChild<QWidget *>(u"webcount"_s);
        QCOMPARE(browserPage(counterBrowser)->url().path(), u"/count/softcount/"_s);
        QVERIFY2(!engineView(counterBrowser), "the silent counter page needs no view");
    }

    void countingPageCannotPutUpWindows()
    {
        LoopbackServer counter(LoopbackServer::Page, R"(<!DOCTYPE html><html><body>
            <input type="file" id="chooser">
            <script>
            alert("counted");
            const confirmed = confirm("again?");
            const answer = prompt("name?", "x");
            document.getElementById("chooser").click();
            navigator.geolocation.getCurrentPosition(() => {}, () => {});
            Notification.requestPermission();
            document.title = "asked:" + confirmed + ":" + answer;
            </script></body></html>)");
        ErrorBoxWatcher errorBoxes;
        TForm1 window(loopbackAddresses(counter.port()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWebEnginePage *counterPage = browserPage(window.findChild<QWidget *>(u"webcount"_s));
        QTRY_COMPARE_WITH_TIMEOUT(counterPage->title(), u"asked:false:null"_s, 15000);
        QTest::qWait(500);
        QCOMPARE(otherWindows(&window), QList<QWidget *>());
        QVERIFY(errorBoxes.boxes().isEmpty());
    }

    void faultyServiceGoesUnnoticed_data()
    {
        QTest::addColumn<int>("answer"); // -1: nothing listens
        QTest::newRow("closed port") << -1;
        QTest::newRow("never answers") << int(LoopbackServer::Silence);
        QTest::newRow("server error") << int(LoopbackServer::ServerError);
        QTest::newRow("garbage") << int(LoopbackServer::Garbage);
    }

    void faultyServiceGoesUnnoticed()
    {
        QFETCH(int, answer);
        std::unique_ptr<LoopbackServer> counter;
        if (answer >= 0)
            counter = std::make_unique<LoopbackServer>(LoopbackServer::Answer(answer));
        ErrorBoxWatcher errorBoxes;
        TForm1 window(loopbackAddresses(counter ? counter->port() : closedPort()));
        window.resize(983, 633);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (counter)
            QVERIFY(counter->waitForRequests(1));

        QWebEngineView *pane = engineView(window.findChild<QWidget *>(u"WebBrowser1"_s));
        auto *tree = window.findChild<CourseTree *>(u"TreeView1"_s);
        clickNode(tree, nodeByPath(tree, {u"联系我们"_s}));
        QVERIFY(waitForLoad(pane, QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + u"/data/联系我们.htm"_s)));
        QTest::qWait(1000);
        QCOMPARE(otherWindows(&window), QList<QWidget *>());
        QVERIFY(errorBoxes.boxes().isEmpty());
        if (counter)
            QCOMPARE(counter->requests().size(), 1);
    }

    // Start page, then counter, then the tree: the requests leave in that order, and
    // a counter address that makes no URL stops the handler before the tree.
    void creationRunsInOrder()
    {
        LoopbackServer counter;
        RequestOrder order;
        QWebEngineProfile *profile = nullptr;
        {
            // The profile is the window's; catch its requests as soon as it exists.
            TForm1 window(loopbackAddresses(counter.port()));
            profile = window.findChild<QWebEngineProfile *>();
            QVERIFY(profile);
            profile->setUrlRequestInterceptor(&order);
            QVERIFY(window.findChild<CourseTree *>(u"TreeView1"_s)->nodeAtPosition(1)->isExpanded());
            window.show();
            QVERIFY(counter.waitForRequests(1));
            QTRY_VERIFY(order.urls.size() >= 2);
            QCOMPARE(order.urls.at(0).fileName(), u"课程资料.htm"_s);
            QCOMPARE(order.urls.at(1).path(), u"/count/softcount/"_s);
        }

        ErrorBoxWatcher errorBoxes;
        bool treeExpandedWhileReported = true;
        QUrl requestedWhileReported;
        ServiceAddresses broken = loopbackAddresses(counter.port());
        broken.CounterServiceUrl = u"http://"_s;
        std::unique_ptr<TForm1> window;
        errorBoxes.whileShown([&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *tree = widget->findChild<CourseTree *>(u"TreeView1"_s)) {
                    treeExpandedWhileReported = tree->nodeAtPosition(1)->isExpanded();
                    requestedWhileReported =
                        engineView(widget->findChild<QWidget *>(u"WebBrowser1"_s))->page()->requestedUrl();
                }
            }
        });
        window = std::make_unique<TForm1>(broken);
        QCOMPARE(errorBoxes.boxes().size(), 1);
        QVERIFY(!treeExpandedWhileReported);
        QCOMPARE(requestedWhileReported.fileName(), u"课程资料.htm"_s);
        QVERIFY(!window->findChild<CourseTree *>(u"TreeView1"_s)->nodeAtPosition(1)->isExpanded());
        QCOMPARE(counter.requests().size(), 1);
    }
};

COURSE_TEST_MAIN(CounterTest)
#include "tst_counter.moc"
