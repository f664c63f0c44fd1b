// What every tree entry, toolbar button and the logo does, driven by real clicks.
#include "app/AppPath.h"
#include "mainwindow/CourseTree.h"
#include "mainwindow/LessonMaterial.h"
#include "mainwindow/Unit1.h"
#include "support/ErrorBoxWatcher.h"
#include "support/ShownWindow.h"
#include "support/TestEnvironment.h"
#include "support/TreeClicks.h"
#include "support/UrlRecorder.h"
#include "support/WebWait.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kindergarten = u"《综合素质（幼儿园）》"_s;
const QString firstPaper = u"2015年上半年"_s + kindergarten + u"真题及详解"_s;
constexpr int quietMs = 400;

QUrl localPage(const QString &relative)
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + u"/data/"_s + relative);
}

} // namespace

class DispatchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window;
    CourseTree *tree = nullptr;
    QWebEngineView *pane = nullptr;

    // Clicks each node of the path in turn, as a user opens the branches on the way.
    void clickPath(const QStringList &path)
    {
        for (int length = 1; length <= path.size(); ++length) {
            QTreeWidgetItem *node = nodeByPath(tree, path.mid(0, length));
            QVERIFY2(node, qPrintable(path.mid(0, length).join(u'/')));
            clickNode(tree, node);
        }
    }

private slots:
    void init()
    {
        window = shownWindow(loopbackAddresses(closedPort()));
        tree = window->findChild<CourseTree *>(u"TreeView1"_s);
        pane = engineView(window->findChild<QWidget *>(u"WebBrowser1"_s));
        QCOMPARE(pane->url(), localPage(u"课程资料.htm"_s));
    }

    void cleanup() { window.reset(); }

    void everyCommand_data()
    {
        QTest::addColumn<QStringList>("treePath"); // empty: the control below is clicked
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("page");         // loaded in the pane, or empty
        QTest::addColumn<QString>("link");      // handed to the default browser, or empty
        QTest::addColumn<QString>("ownPage");   // our page for missing material: its title

        const QUrl start = localPage(u"课程资料.htm"_s);
        const QUrl contact = localPage(u"联系我们.htm"_s);
        const QString none;
        auto entry = [&](const char *name, const QStringList &path, const QUrl &page, const QString &link,
                         const QString &ownPage = {}) {
            QTest::newRow(name) << path << none << page << link << ownPage;
        };
        auto control = [&](const char *name, const QString &objectName, const QUrl &page, const QString &link) {
            QTest::newRow(name) << QStringList() << objectName << page << link << none;
        };

        entry("tree: selected materials", {u"辅导课程和复习资料精选"_s}, start, none);
        entry("tree: lecture group head", {u"精讲班视频课程"_s}, {}, none);
        entry("tree: paper lecture group head", {u"真题解析班视频课程"_s}, {}, none);
        entry("tree: key points group head", {u"考点视频精讲"_s}, {}, none);
        entry("tree: past papers group head", {u"历年真题详解"_s}, {}, none);
        entry("tree: question bank group head", {u"章节题库|模拟试题"_s}, {}, none);
        entry("tree: forecast group head", {u"考前预测"_s}, {}, none);
        entry("tree: consultation", {u"在线咨询"_s}, {}, u"http://127.0.0.1:9/?@kv7rmt"_s);
        entry("tree: contact", {u"联系我们"_s}, contact, none);

        entry("lesson: lecture", {u"精讲班视频课程"_s, u"[模块一] 第1章—教育观"_s},
              localPage(u"课程/[模块一] 第1章—教育观.htm"_s), none);
        entry("lesson: paper lecture", {u"真题解析班视频课程"_s, firstPaper},
              localPage(u"课程/"_s + firstPaper + u".htm"_s), none);
        entry("lesson: same paper under past papers", {u"历年真题详解"_s, firstPaper},
              localPage(u"课程/"_s + firstPaper + u".htm"_s), none);
        entry("lesson: key point chapter", {u"考点视频精讲"_s, u"模块一　职业理念"_s, u"第二章　儿童观"_s},
              localPage(u"课程/第二章　儿童观.htm"_s), none);
        entry("lesson missing: key point module", {u"考点视频精讲"_s, u"模块一　职业理念"_s}, {}, none,
              u"模块一　职业理念"_s);
        entry("lesson missing: question bank", {u"章节题库|模拟试题"_s, u"第一部分：章节题库"_s, u"第1章　职业理念"_s},
              {}, none, u"第1章　职业理念"_s);
        entry("lesson missing: forecast", {u"考前预测"_s, u"2015年下半年"_s + kindergarten + u"预测试题及详解（一）"_s},
              {}, none, u"2015年下半年"_s + kindergarten + u"预测试题及详解（一）"_s);
        entry("lesson missing: past paper", {u"历年真题详解"_s, u"2011年下半年"_s + kindergarten + u"真题及详解"_s},
              {}, none, u"2011年下半年"_s + kindergarten + u"真题及详解"_s);

        control("button 1: exam news", u"suiButton1"_s, {}, u"http://127.0.0.1:9/?@jsz"_s);
        control("button 2: review material", u"suiButton2"_s, start, none);
        control("button 3: courses", u"suiButton3"_s, {}, u"http://127.0.0.1:9/?@jsz2"_s);
        control("button 4: past papers", u"suiButton4"_s, {}, u"http://127.0.0.1:9/?@jsz2"_s);
        control("button 5: question bank", u"suiButton5"_s, {}, u"http://127.0.0.1:9/?@jsz2"_s);
        control("button 6: forum", u"suiButton6"_s, {}, u"http://127.0.0.1:9/?@jsz"_s);
        control("button 7: contact", u"suiButton7"_s, contact, none);
        control("button 8: consultation", u"suiButton8"_s, {}, u"http://127.0.0.1:9/?@kv7rmt"_s);
        control("logo: home page", u"Image1"_s, {}, u"http://127.0.0.1:9"_s);
    }

    void everyCommand()
    {
        QFETCH(QStringList, treePath);
        QFETCH(QString, control);
        QFETCH(QUrl, page);
        QFETCH(QString, link);
        QFETCH(QString, ownPage);

        UrlRecorder browser;
        ErrorBoxWatcher errorBoxes;
        QSignalSpy loads(pane, &QWebEngineView::loadStarted);
        if (treePath.isEmpty()) {
            QTest::mouseClick(window->findChild<QWidget *>(control), Qt::LeftButton);
        } else {
            // Open the branch first; group heads carry no command, as the test of them shows.
            clickPath(treePath.mid(0, treePath.size() - 1));
            QTRY_COMPARE_WITH_TIMEOUT(loads.size(), 0, quietMs);
            QVERIFY(browser.opened().isEmpty());
            clickNode(tree, nodeByPath(tree, treePath));
        }

        if (!page.isEmpty())
            QVERIFY(waitForLoad(pane, page));
        if (!ownPage.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(pane->title(), ownPage, 15000);
            const QString text = evaluate(pane, u"document.body.innerText"_s).toString();
            QVERIFY2(text.contains(u"data/课程/"_s + ownPage + u".htm"_s), qPrintable(text));
        }
        if (link.isEmpty()) {
            QTest::qWait(quietMs);
            QVERIFY(browser.opened().isEmpty());
        } else {
            QTRY_COMPARE(browser.opened(), QList<QUrl>{QUrl(link)});
        }
        if (page.isEmpty() && ownPage.isEmpty())
            QCOMPARE(loads.size(), 0);
        QVERIFY(errorBoxes.boxes().isEmpty());
    }

    // Every left click runs the command of the selected node, even when it selects nothing new.
    void clicksThatKeepTheSelectionRepeatItsCommand()
    {
        UrlRecorder browser;
        QSignalSpy loads(pane, &QWebEngineView::loadStarted);
        QTreeWidgetItem *lectures = nodeByPath(tree, {u"精讲班视频课程"_s});
        const QRect lectureRow = tree->visualItemRect(lectures);
        const QPoint lectureButton(lectureRow.left() - tree->indentation() / 2, lectureRow.center().y());

        // Nothing selected yet: the expand button collapses the branch and nothing runs.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, lectureButton);
        QVERIFY(!lectures->isExpanded());
        const QPoint emptySpace(40, tree->viewport()->height() - 5);
        QVERIFY(!tree->itemAt(emptySpace));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, emptySpace);
        QTest::qWait(quietMs);
        QCOMPARE(loads.size(), 0);

        const QUrl contact = localPage(u"联系我们.htm"_s);
        clickNode(tree, nodeByPath(tree, {u"联系我们"_s}));
        QVERIFY(waitForLoad(pane, contact));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, emptySpace);
        QVERIFY(waitForLoad(pane, contact));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, lectureButton);
        QVERIFY(lectures->isExpanded());
        QVERIFY(waitForLoad(pane, contact));
        clickNode(tree, nodeByPath(tree, {u"联系我们"_s}));
        QVERIFY(waitForLoad(pane, contact));
        QCOMPARE(loads.size(), 4);
        QVERIFY(browser.opened().isEmpty());
    }

    void keyboardAndRightButtonRunNothing()
    {
        UrlRecorder browser;
        QSignalSpy loads(pane, &QWebEngineView::loadStarted);
        QTreeWidgetItem *contact = nodeByPath(tree, {u"联系我们"_s});
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, pointOnNode(tree, contact));
        QVERIFY(tree->selectedItems().isEmpty());

        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);   // 辅导课程和复习资料精选
        QTest::keyClick(tree, Qt::Key_End);    // 退出
        QCOMPARE(tree->selectedNode()->text(0), u"退出"_s);
        QTest::keyClick(tree, Qt::Key_Up);     // 联系我们
        QTest::keyClick(tree, Qt::Key_Up);     // 在线咨询
        QCOMPARE(tree->selectedNode()->text(0), u"在线咨询"_s);
        QTest::keyClick(tree, Qt::Key_Home);   // 辅导课程和复习资料精选
        QCOMPARE(tree->selectedNode()->text(0), u"辅导课程和复习资料精选"_s);
        QTest::qWait(quietMs);
        QCOMPARE(loads.size(), 0);
        QVERIFY(browser.opened().isEmpty());
        QVERIFY(window->isVisible());
    }

    void lessonPathsStayInsideTheCourseFolder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("relative");
        QTest::newRow("lesson") << u"[模块一] 第1章—教育观"_s << u"data\\课程\\[模块一] 第1章—教育观.htm"_s;
        QTest::newRow("ideographic space") << u"第一章　教育观"_s << u"data\\课程\\第一章　教育观.htm"_s;
        QTest::newRow("parent folders") << u"../../etc/passwd"_s << u"data\\课程\\.._.._etc_passwd.htm"_s;
        QTest::newRow("backslashes") << u"..\\..\\x"_s << u"data\\课程\\.._.._x.htm"_s;
        QTest::newRow("drive and wildcards") << u"C:*?\"<>|"_s << u"data\\课程\\C_______.htm"_s;
        QTest::newRow("control characters") << u"a\nb\tc"_s << u"data\\课程\\a_b_c.htm"_s;
        QTest::newRow("dots alone") << u".."_s << u"data\\课程\\...htm"_s;
    }

    void lessonPathsStayInsideTheCourseFolder()
    {
        QFETCH(QString, text);
        QFETCH(QString, relative);
        QCOMPARE(lessonRelativePath(text), relative);
        const QFileInfo file(appRelativePath(lessonRelativePath(text)));
        QCOMPARE(file.absolutePath(), QCoreApplication::applicationDirPath() + u"/data/课程"_s);
    }

    void missingLessonPageTakesItsTextAsItStands()
    {
        const QString page = missingLessonPage(u"<b>x</b> & %2"_s, u"/a %1/<b>.htm"_s);
        QVERIFY(page.contains(u"&lt;b&gt;x&lt;/b&gt; &amp; %2"_s));
        QVERIFY(page.contains(u"/a %1/&lt;b&gt;.htm"_s));
        QVERIFY(!page.contains(u"<b>"_s));
    }
};

COURSE_TEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
