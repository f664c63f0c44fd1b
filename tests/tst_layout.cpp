// The main window as designed: names, bounds, anchors at other sizes, the skin's
// title bar, the look of its parts and its pictures.
#include "mainwindow/Unit1.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString caption = u"2015教师资格考试《综合素质(幼儿园)》Torvinel[视频课程+考点精讲+真题解析+模拟题库]"_s;

QWidget *part(const QWidget &window, const QString &name)
{
    return window.findChild<QWidget *>(name);
}

// Distances from a part's right and bottom edges to its parent's.
QPoint farDistances(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return {parent->width() - widget->geometry().right() - 1, parent->height() - widget->geometry().bottom() - 1};
}

// Whether any pixel of a picture shows.
bool showsSomething(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(pixels.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void designedBoundsAndNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("suiForm1") << u"suiForm1"_s << u"SkinPanel"_s << QRect(1, 0, 981, 632);
        QTest::newRow("Image1") << u"Image1"_s << u"ClickableImage"_s << QRect(830, 31, 144, 67);
        QTest::newRow("TreeView1") << u"TreeView1"_s << u"CourseTree"_s << QRect(8, 108, 308, 518);
        QTest::newRow("GroupBox1") << u"GroupBox1"_s << u"QFrame"_s << QRect(323, 107, 651, 519);
        QTest::newRow("WebBrowser1") << u"WebBrowser1"_s << u"WebBrowser"_s << QRect(0, 0, 651, 519);
        const int buttonLefts[] = {8, 110, 213, 316, 419, 522, 625, 728};
        for (int index = 0; index < 8; ++index) {
            const QString name = u"suiButton%1"_s.arg(index + 1);
            QTest::newRow(qPrintable(name)) << name << u"GlassButton"_s << QRect(buttonLefts[index], 28, 96, 73);
        }
        QTest::newRow("webcount") << u"webcount"_s << u"WebBrowser"_s << QRect(-2000, 11, 15, 15);
    }

    void designedBoundsAndNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, bounds);
        TForm1 window(loopbackAddresses(closedPort()));
        QCOMPARE(window.objectName(), u"Form1"_s);
        window.resize(983, 633);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *widget = part(window, name);
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->geometry(), bounds);
        QVERIFY(widget->isVisible());
    }

    void anchorsKeepTheirDistances_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed") << QSize(983, 633);
        QTest::newRow("larger") << QSize(1280, 800);
        QTest::newRow("smaller") << QSize(800, 560);
    }

    void anchorsKeepTheirDistances()
    {
        QFETCH(QSize, size);
        TForm1 window(loopbackAddresses(closedPort()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        QWidget *panel = part(window, u"suiForm1"_s);
        QTRY_COMPARE(panel->geometry(), QRect(1, 0, size.width() - 2, size.height() - 1));

        QWidget *logo = part(window, u"Image1"_s);
        QCOMPARE(farDistances(logo).x(), 7);
        QCOMPARE(logo->y(), 31);
        QCOMPARE(logo->size(), QSize(144, 67));

        QWidget *tree = part(window, u"TreeView1"_s);
        QCOMPARE(tree->pos(), QPoint(8, 108));
        QCOMPARE(tree->width(), 308);
        QCOMPARE(farDistances(tree).y(), 6);

        QWidget *frame = part(window, u"GroupBox1"_s);
        QCOMPARE(frame->pos(), QPoint(323, 107));
        QCOMPARE(farDistances(frame), QPoint(7, 6));
        QTRY_COMPARE(part(window, u"WebBrowser1"_s)->geometry(), frame->rect());

        QCOMPARE(part(window, u"suiButton1"_s)->geometry(), QRect(8, 28, 96, 73));
        QCOMPARE(part(window, u"suiButton8"_s)->geometry(), QRect(728, 28, 96, 73));

        QWidget *counter = part(window, u"webcount"_s);
        QCOMPARE(counter->geometry(), QRect(-2000, 11, 15, 15));
        QVERIFY(counter->isVisible());
        QVERIFY(!panel->rect().intersects(counter->geometry()));
    }

    void opensMaximisedAndFrameless()
    {
        TForm1 window(loopbackAddresses(closedPort()));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        QTRY_COMPARE(window.geometry(), window.screen()->availableGeometry());
        QWidget *counter = part(window, u"webcount"_s);
        QVERIFY(!window.rect().intersects(QRect(counter->mapTo(&window, QPoint()), counter->size())));
        int shownWindows = 0;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            shownWindows += widget->isVisible() ? 1 : 0;
        QCOMPARE(shownWindows, 1);

        window.showNormal();
        QTRY_COMPARE(window.size(), QSize(983, 633));
        const QPoint offCentre = window.geometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(u"%1,%2"_s.arg(offCentre.x()).arg(offCentre.y())));
    }

    // On X11 Qt appends a display name to window titles when one is set; the window
    // manager must see the caption alone.
    void windowManagerSeesTheCaptionAlone()
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs an X server");
        TForm1 window(loopbackAddresses(closedPort()));
        QCOMPARE(window.windowTitle(), caption);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window.winId()), u"_NET_WM_NAME"_s});
        QVERIFY(xprop.waitForFinished(10000));
        const QString answer = QString::fromUtf8(xprop.readAllStandardOutput());
        const QRegularExpressionMatch quoted = QRegularExpression(u"= \"(.*)\"\\s*$"_s).match(answer);
        QVERIFY2(quoted.hasMatch(), qPrintable(answer));
        QCOMPARE(quoted.captured(1), caption);
    }

    void titleBarButtonsAndDrag()
    {
        TForm1 window(loopbackAddresses(closedPort()));
        window.resize(983, 633);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *titleBar = part(window, u"suiForm1TitleBar"_s);
        QCOMPARE(titleBar->geometry(), QRect(1, 1, 979, 23));

        // From the right edge: control box, close, maximise, minimise.
        const QStringList fromTheRight = {u"controlBoxButton"_s, u"closeButton"_s, u"maximizeButton"_s,
                                          u"minimizeButton"_s};
        int previousLeft = titleBar->width();
        for (const QString &name : fromTheRight) {
            QWidget *orb = part(window, name);
            QCOMPARE(orb->size(), QSize(17, 17));
            QCOMPARE(orb->y(), 4);
            QVERIFY(orb->geometry().right() < previousLeft);
            previousLeft = orb->x();
        }

        QTest::mouseClick(part(window, u"maximizeButton"_s), Qt::LeftButton);
        QTRY_VERIFY(window.isMaximized());
        QTRY_COMPARE(window.geometry(), window.screen()->availableGeometry());
        QTest::mouseDClick(titleBar, Qt::LeftButton, {}, QPoint(200, 10));
        QTRY_VERIFY(!window.isMaximized());
        QTRY_COMPARE(window.size(), QSize(983, 633));

        QTest::mouseClick(part(window, u"closeButton"_s), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
    }

    // Each at the size it is shown at, drawn at that size rather than scaled.
    void everyPictureIsThere_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("size");
        for (int index = 1; index <= 8; ++index) {
            const QString name = u"suiButton%1"_s.arg(index);
            QTest::newRow(qPrintable(name)) << name << "icon"_ba << int(QIcon::Normal) << QSize(32, 32);
        }
        QTest::newRow("Image1") << u"Image1"_s << "icon"_ba << int(QIcon::Normal) << QSize(144, 67);
        const struct
        {
            const char *name;
            QIcon::Mode mode;
        } orbStates[] = {{"normal", QIcon::Normal}, {"hover", QIcon::Active}, {"pressed", QIcon::Selected}};
        for (const QString &orb : {u"controlBoxButton"_s, u"closeButton"_s, u"maximizeButton"_s, u"minimizeButton"_s}) {
            for (const auto &state : orbStates) {
                QTest::addRow("%s %s", qPrintable(orb), state.name) << orb << "icon"_ba << int(state.mode) << QSize(17, 17);
            }
        }
        for (const QByteArray &section : {"leftSection"_ba, "rightSection"_ba})
            QTest::newRow(section) << u"suiForm1TitleBar"_s << section << int(QIcon::Normal) << QSize(48, 23);
        QTest::newRow("clientSection") << u"suiForm1TitleBar"_s << "clientSection"_ba << int(QIcon::Normal) << QSize(49, 23);
        QTest::newRow("window icon") << u"Form1"_s << "windowIcon"_ba << int(QIcon::Normal) << QSize(32, 32);
    }

    void everyPictureIsThere()
    {
        QFETCH(QString, owner);
        QFETCH(QByteArray, property);
        QFETCH(int, mode);
        QFETCH(QSize, size);
        TForm1 window(loopbackAddresses(closedPort()));
        QObject *holder = window.objectName() == owner ? &window : window.findChild<QObject *>(owner);
        QVERIFY(holder);
        const QIcon picture = holder->property(property).value<QIcon>();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.availableSizes(QIcon::Mode(mode)).contains(size));
        const QPixmap shown = picture.pixmap(size, 1.0, QIcon::Mode(mode));
        QCOMPARE(shown.size(), size);
        QVERIFY(showsSomething(shown.toImage()));
    }

    // High-density screens get pictures drawn at twice the size, not enlarged ones.
    void everyPictureComesAtTwiceItsSize()
    {
        int pictures = 0;
        for (const QString &folder : {u":/art"_s, u":/ImageList1"_s}) {
            QDirIterator entries(folder, {u"*.png"_s}, QDir::Files, QDirIterator::Subdirectories);
            while (entries.hasNext()) {
                const QString path = entries.next();
                if (path.endsWith(u"@2x.png"))
                    continue;
                ++pictures;
                const QImage single(path);
                const QImage twice(path.chopped(4) + u"@2x.png"_s);
                QVERIFY2(!twice.isNull(), qPrintable(path));
                QCOMPARE(twice.size(), single.size() * 2);
                QVERIFY2(showsSomething(single) && showsSomething(twice), qPrintable(path));
            }
        }
        QCOMPARE(pictures, 25 + 13);
    }

    void lookAsDesigned()
    {
        TForm1 window(loopbackAddresses(closedPort()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *tree = window.findChild<QTreeWidget *>(u"TreeView1"_s);
        QCOMPARE(tree->font().pixelSize(), 14);
        QVERIFY(tree->font().bold());
        QCOMPARE(tree->palette().color(QPalette::Base), QColor(192, 220, 192));
        QCOMPARE(tree->indentation(), 19);
        QCOMPARE(tree->cursor().shape(), Qt::PointingHandCursor);

        QWidget *button = part(window, u"suiButton1"_s);
        QCOMPARE(button->font().pixelSize(), 14);
        QVERIFY(!button->font().bold());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(part(window, u"Image1"_s)->cursor().shape(), Qt::PointingHandCursor);

        QWidget *titleBar = part(window, u"suiForm1TitleBar"_s);
        QCOMPARE(QFontInfo(titleBar->font()).pixelSize(), 11);
        QVERIFY(titleBar->font().bold());
        QCOMPARE(titleBar->palette().color(QPalette::WindowText), QColor(Qt::white));

        // "宋体" is found, or stands in by a font that has Chinese glyphs.
        QVERIFY(QFontMetrics(tree->font()).inFont(u'教'));
        const QImage picture = part(window, u"suiForm1"_s)->grab().toImage();
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() - 1), QColor(127, 127, 127));
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() - 3), QColor(231, 231, 231));
    }
};

COURSE_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
