// The frame: where the program finds itself, and how errors that escape a handler
// reach the user without ending the program.
#include "app/AppPath.h"
#include "app/CourseError.h"
#include "mainwindow/CourseTree.h"
#include "mainwindow/Unit1.h"
#include "support/ErrorBoxWatcher.h"
#include "support/TestEnvironment.h"
#include "support/WebWait.h"

#include <QDir>
#include <QPushButton>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void appPathIsTheExecutablesFolder()
    {
        const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
        QDir::setCurrent(QDir::rootPath());
        QCOMPARE(GetAppPath(), folder);
        QCOMPARE(appRelativePath(u"data\\课程资料.htm"_s), folder + u"data"_s + QDir::separator() + u"课程资料.htm"_s);
    }

    void errorInHandlerIsShownAndProgramGoesOn()
    {
        QWidget window;
        auto *failing = new QPushButton(u"fail"_s, &window);
        auto *working = new QPushButton(u"work"_s, &window);
        working->move(0, 40);
        bool restOfHandlerRan = false;
        connect(failing, &QPushButton::clicked, &window, [&] {
            throw CourseError(u"Access denied"_s);
            restOfHandlerRan = true;
        });
        int workingClicks = 0;
        connect(working, &QPushButton::clicked, &window, [&] { ++workingClicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        ErrorBoxWatcher watcher;
        QTest::mouseClick(failing, Qt::LeftButton);
        QVERIFY(watcher.waitFor(1));
        const ErrorBoxWatcher::Box box = watcher.boxes().first();
        QCOMPARE(box.title, u"Kelvaro考试Torvinel"_s);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, u"Access denied."_s);
        QVERIFY(!restOfHandlerRan);

        QTest::mouseClick(working, Qt::LeftButton);
        QCOMPARE(workingClicks, 1);
        QCOMPARE(watcher.boxes().size(), 1);
    }

    void errorOfAnyKindIsShown()
    {
        QWidget window;
        auto *failing = new QPushButton(u"fail"_s, &window);
        connect(failing, &QPushButton::clicked, &window, [] { throw 42; });
        window.show();
        ErrorBoxWatcher watcher;
        QTest::mouseClick(failing, Qt::LeftButton);
        QVERIFY(watcher.waitFor(1));
        QCOMPARE(watcher.boxes().first().icon, QMessageBox::Critical);
        QVERIFY(!watcher.boxes().first().text.isEmpty());
    }

    // A counter address that makes no URL stops the creation handler at that step:
    // the start page was already requested, the tree stays as it was, and the window opens.
    void errorInFormCreateSkipsTheRestAndTheWindowStillOpens()
    {
        ErrorBoxWatcher watcher;
        ServiceAddresses broken = loopbackAddresses(closedPort());
        broken.CounterServiceUrl = u"http://[not a host"_s;
        TForm1 window(broken);
        QCOMPARE(watcher.boxes().size(), 1);
        QCOMPARE(watcher.boxes().first().title, u"Kelvaro考试Torvinel"_s);
        QCOMPARE(watcher.boxes().first().icon, QMessageBox::Critical);
        QVERIFY(watcher.boxes().first().text.contains(u"http://[not a host"_s));

        auto *tree = window.findChild<CourseTree *>(u"TreeView1"_s);
        QVERIFY(!tree->nodeAtPosition(1)->isExpanded());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWebEngineView *pane = engineView(window.findChild<QWidget *>(u"WebBrowser1"_s));
        QVERIFY(waitForLoad(pane));
        QCOMPARE(pane->title(), u"课程资料"_s);
    }
};

COURSE_TEST_MAIN(FrameTest)
#include "tst_frame.moc"
