// The course tree: its 79 fixed nodes, their icons, how it opens and how it behaves.
#include "mainwindow/CourseTree.h"
#include "mainwindow/Unit1.h"
#include "support/ShownWindow.h"
#include "support/TestEnvironment.h"
#include "support/TreeClicks.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QTreeWidgetItemIterator>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ExpectedNode
{
    int depth;
    QString text;
    int icon;
};

// Written out from the course's table of contents; the special characters are
// spelled as escapes so that a look-alike cannot slip in: U+3000 the ideographic
// space, U+2014 the em dash, U+FF08 and U+FF09 the full-width brackets.
QList<ExpectedNode> expectedTree()
{
    QList<ExpectedNode> nodes;
    auto add = [&](int depth, const QString &text, int icon) { nodes.append({depth, text, icon}); };
    const QString kindergarten = u"\u300A综合素质\uFF08幼儿园\uFF09\u300B"_s;

    add(0, u"辅导课程和复习资料精选"_s, 7);
    add(0, u"精讲班视频课程"_s, 10);
    const QStringList lectures = {
        u"[模块一] 第1章\u2014教育观"_s, u"[模块一] 第2章\u2014儿童观"_s, u"[模块一] 第3章\u2014教师观"_s,
        u"[模块二] 第1章\u2014教育法律法规的基本知识"_s, u"[模块二] 第2章\u2014教师的权利与义务"_s,
        u"[模块二] 第3章\u2014幼儿权利的法律保护"_s, u"[模块三] 第1章\u2014教师职业道德"_s,
        u"[模块三] 第2章\u2014教师职业行为"_s, u"[模块四] 第1章\u2014文化常识\uFF081\uFF09"_s,
        u"[模块四] 第1章\u2014文化常识\uFF082\uFF09"_s, u"[模块四] 第2章\u2014科学素养"_s,
        u"[模块四] 第3章\u2014儿童文学常识\uFF081\uFF09"_s, u"[模块四] 第3章\u2014儿童文学常识\uFF082\uFF09"_s,
        u"[模块五] 第1章\u2014阅读理解能力"_s, u"[模块五] 第2章\u2014逻辑思维能力\uFF081\uFF09"_s,
        u"[模块五] 第2章\u2014逻辑思维能力\uFF082\uFF09"_s, u"[模块五] 第3章\u2014信息处理能力\uFF081\uFF09"_s,
        u"[模块五] 第3章\u2014信息处理能力\uFF082\uFF09"_s, u"[模块五] 第4章\u2014写作能力\uFF081\uFF09"_s,
        u"[模块五] 第4章\u2014写作能力\uFF082\uFF09"_s};
    for (const QString &lecture : lectures)
        add(1, lecture, 10);

    const QStringList halves = {u"2015年上半年"_s, u"2014年下半年"_s, u"2014年上半年"_s, u"2013年下半年"_s,
                                u"2013年上半年"_s, u"2012年下半年"_s, u"2012年上半年"_s, u"2011年下半年"_s};
    add(0, u"真题解析班视频课程"_s, 10);
    for (const QString &half : halves)
        add(1, half + kindergarten + u"真题及详解"_s, 10);

    add(0, u"考点视频精讲"_s, 0);
    const QList<std::pair<QString, QStringList>> modules = {
        {u"模块一\u3000职业理念"_s, {u"第一章\u3000教育观"_s, u"第二章\u3000儿童观"_s, u"第三章\u3000教师观"_s}},
        {u"模块二\u3000教育法律法规"_s,
         {u"第一章\u3000教育法律法规的基本知识"_s, u"第二章\u3000教师的权利与义务"_s,
          u"第三章\u3000幼儿权利的法律保护"_s}},
        {u"模块三\u3000教师职业道德规范"_s, {u"第一章\u3000教师职业道德"_s, u"第二章\u3000教师职业行为"_s}},
        {u"模块四\u3000文化素养"_s, {u"第一章\u3000文化常识"_s, u"第二章\u3000科学素养"_s, u"第三章\u3000儿童文学常识"_s}},
        {u"模块五\u3000幼儿教师的基本能力"_s,
         {u"第一章\u3000阅读理解能力"_s, u"第二章\u3000逻辑思维能力"_s, u"第三章\u3000信息处理能力"_s,
          u"第四章\u3000写作能力"_s}},
    };
    for (const auto &[module, chapters] : modules) {
        add(1, module, 0);
        for (const QString &chapter : chapters)
            add(2, chapter, 0);
    }

    add(0, u"历年真题详解"_s, 3);
    for (const QString &half : halves)
        add(1, half + kindergarten + u"真题及详解"_s, 3);

    add(0, u"章节题库|模拟试题"_s, 0);
    add(1, u"第一部分：章节题库"_s, 0);
    for (const QString &chapter : {u"第1章\u3000职业理念"_s, u"第2章\u3000教育法律法规"_s, u"第3章\u3000教师职业道德规范"_s,
                                   u"第4章\u3000文化素养"_s, u"第5章\u3000基本能力"_s})
        add(2, chapter, 0);
    add(1, u"第二部分：模拟试题"_s, 0);
    for (const QString &number : {u"一"_s, u"二"_s, u"三"_s})
        add(2, u"2015年下半年"_s + kindergarten + u"模拟试题及详解\uFF08"_s + number + u"\uFF09"_s, 0);

    add(0, u"考前预测"_s, 0);
    for (const QString &number : {u"一"_s, u"二"_s, u"三"_s})
        add(1, u"2015年下半年"_s + kindergarten + u"预测试题及详解\uFF08"_s + number + u"\uFF09"_s, 0);

    add(0, u"在线咨询"_s, 12);
    add(0, u"联系我们"_s, 9);
    add(0, u"退出"_s, 11);
    return nodes;
}

int depthOf(const QTreeWidgetItem *node)
{
    int depth = 0;
    for (const QTreeWidgetItem *parent = node->parent(); parent; parent = parent->parent())
        ++depth;
    return depth;
}

QImage rendered(const QIcon &icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(16, 16), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage imageListPicture(int index)
{
    return rendered(QIcon(u":/ImageList1/%1.png"_s.arg(index)));
}

} // namespace

class CourseTreeTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window;
    CourseTree *tree = nullptr;

private slots:
    void init()
    {
        window = shownWindow(loopbackAddresses(closedPort()));
        tree = window->findChild<CourseTree *>(u"TreeView1"_s);
    }

    void cleanup() { window.reset(); }

    void wholeTreeAsDesigned()
    {
        const QList<ExpectedNode> expected = expectedTree();
        QCOMPARE(expected.size(), 79);
        int position = 0;
        for (QTreeWidgetItemIterator node(tree); *node; ++node, ++position) {
            QVERIFY2(position < expected.size(), "more nodes than designed");
            const ExpectedNode &want = expected.at(position);
            QCOMPARE((*node)->text(0), want.text);
            QCOMPARE(depthOf(*node), want.depth);
            QCOMPARE(rendered((*node)->icon(0)), imageListPicture(want.icon));
            QCOMPARE(rendered((*node)->icon(0), QIcon::Selected), imageListPicture(0));
            QCOMPARE(tree->nodeAtPosition(position), *node);
        }
        QCOMPARE(position, 79);
    }

    void imageListHoldsThirteenPictures()
    {
        for (int index = 0; index < 13; ++index) {
            const QImage picture = imageListPicture(index);
            QCOMPARE(picture.size(), QSize(16, 16));
            int transparent = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    transparent += qAlpha(picture.pixel(x, y)) == 0 ? 1 : 0;
            QVERIFY2(transparent > 0 && transparent < 256, qPrintable(QString::number(index)));
        }
        QVERIFY(QIcon(u":/ImageList1/13.png"_s).pixmap(16).isNull());
    }

    void opensWithOnlyTheLectureBranchExpanded()
    {
        for (QTreeWidgetItemIterator node(tree); *node; ++node) {
            if ((*node)->childCount() > 0)
                QCOMPARE((*node)->isExpanded(), (*node)->text(0) == u"精讲班视频课程"_s);
        }
        QVERIFY(tree->selectedItems().isEmpty());
    }

    void selectingExpandsAndCollapsesThePreviousBranch()
    {
        QTreeWidgetItem *keyPoints = nodeByPath(tree, {u"考点视频精讲"_s});
        QTreeWidgetItem *moduleOne = nodeByPath(tree, {u"考点视频精讲"_s, u"模块一\u3000职业理念"_s});
        QTreeWidgetItem *papers = nodeByPath(tree, {u"历年真题详解"_s});

        clickNode(tree, keyPoints);
        QVERIFY(keyPoints->isExpanded());
        clickNode(tree, moduleOne);
        QVERIFY(moduleOne->isExpanded());
        QVERIFY(keyPoints->isExpanded()); // shared with the new selection, so it stays open

        clickNode(tree, papers);
        QVERIFY(papers->isExpanded());
        QVERIFY(!moduleOne->isExpanded());
        QVERIFY(!keyPoints->isExpanded());

        // The keyboard moves the selection the same way.
        QTest::keyClick(tree, Qt::Key_Up);
        QCOMPARE(tree->selectedNode(), keyPoints);
        QVERIFY(keyPoints->isExpanded());
        QVERIFY(!papers->isExpanded());
    }

    void rightClickSelectsNothing()
    {
        QTreeWidgetItem *contact = nodeByPath(tree, {u"联系我们"_s});
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, pointOnNode(tree, contact));
        QVERIFY(tree->selectedItems().isEmpty());
    }

    void doubleClickEditsNothing()
    {
        QTreeWidgetItem *contact = nodeByPath(tree, {u"联系我们"_s});
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, pointOnNode(tree, contact));
        QTest::keyClick(tree, Qt::Key_F2);
        QVERIFY(!tree->findChild<QLineEdit *>());
        QCOMPARE(contact->text(0), u"联系我们"_s);
    }

    void selectionHighlightOnlyWithFocus()
    {
        QTreeWidgetItem *contact = nodeByPath(tree, {u"联系我们"_s});
        clickNode(tree, contact);
        QTRY_VERIFY(tree->hasFocus());
        // The top line of the row's text area: no glyph reaches it, so it shows the row's background.
        const QRect row = tree->visualItemRect(contact);
        auto backgroundPixelsInRow = [&] {
            const QImage picture = tree->viewport()->grab().toImage();
            int count = 0;
            for (int x = row.left() + 24; x < row.left() + 64; ++x)
                count += picture.pixelColor(x, row.top()) == QColor(192, 220, 192) ? 1 : 0;
            return count;
        };
        QCOMPARE(backgroundPixelsInRow(), 0);

        window->findChild<QWidget *>(u"suiButton1"_s)->setFocus();
        QTRY_VERIFY(!tree->hasFocus());
        QCOMPARE(backgroundPixelsInRow(), 40);
        QCOMPARE(tree->selectedNode(), contact);
    }

    void treeLinesAreDrawn()
    {
        // The vertical line that joins the top-level nodes runs through the root column.
        const QImage picture = tree->viewport()->grab().toImage();
        const int lineX = tree->visualItemRect(tree->topLevelItem(0)).left() - tree->indentation() / 2 - 1;
        int linePixels = 0;
        for (int x = lineX - 1; x <= lineX + 1; ++x)
            for (int y = 0; y < picture.height(); ++y)
                linePixels += picture.pixelColor(x, y) == QColor(128, 128, 128) ? 1 : 0;
        QVERIFY(linePixels > 20);
    }

    void tooltipShowsTextsThatDoNotFit()
    {
        QTreeWidgetItem *longest = nodeByPath(
            tree, {u"章节题库|模拟试题"_s, u"第二部分：模拟试题"_s,
                   u"2015年下半年\u300A综合素质\uFF08幼儿园\uFF09\u300B模拟试题及详解\uFF08一\uFF09"_s});
        clickNode(tree, nodeByPath(tree, {u"章节题库|模拟试题"_s}));
        clickNode(tree, longest->parent());
        const QPoint at = pointOnNode(tree, longest);
        QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(tree->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), longest->text(0));

        QToolTip::hideText();
        QTreeWidgetItem *shortText = nodeByPath(tree, {u"退出"_s});
        const QPoint onShort = pointOnNode(tree, shortText);
        QHelpEvent shortHelp(QEvent::ToolTip, onShort, tree->viewport()->mapToGlobal(onShort));
        QCoreApplication::sendEvent(tree->viewport(), &shortHelp);
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

COURSE_TEST_MAIN(CourseTreeTest)
#include "tst_coursetree.moc"
