// Right clicks inside the content pane never reach the page; everything else does.
#include "mainwindow/ApplicationEvents.h"
#include "mainwindow/Unit1.h"
#include "platform/WebBrowser.h"
#include "support/ShownWindow.h"
#include "support/TestEnvironment.h"
#include "support/WebWait.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QMouseEvent>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Target { Grandchild, Child, Pane, Outside };
enum class Kind { RightPress, RightRelease, ContextMenu, LeftPress, LeftRelease, RightDoubleClick, Wheel, Key, Move };

std::unique_ptr<QEvent> eventOf(Kind kind)
{
    const QPointF at(5, 5);
    // buttons: those held once the event has happened.
    auto mouse = [at](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        return std::make_unique<QMouseEvent>(type, at, at, button, buttons, Qt::NoModifier);
    };
    switch (kind) {
    case Kind::RightPress:
        return mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    case Kind::RightRelease:
        return mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    case Kind::ContextMenu:
        return std::make_unique<QContextMenuEvent>(QContextMenuEvent::Mouse, at.toPoint());
    case Kind::LeftPress:
        return mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    case Kind::LeftRelease:
        return mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    case Kind::RightDoubleClick:
        return mouse(QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton);
    case Kind::Wheel:
        return std::make_unique<QWheelEvent>(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                             Qt::NoScrollPhase, false);
    case Kind::Key:
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
    case Kind::Move:
        return mouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    }
    return {};
}

// Counts the right-button presses that reach one widget.
class RightPressCounter : public QObject
{
public:
    explicit RightPressCounter(QWidget *target)
    {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            ++count;
        return false;
    }
};

bool menuIsShown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu *>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Kind)

class InputFilterTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window;
    QWebEngineView *pane = nullptr;

    QStringList recorded() { return evaluate(pane, u"window.recorded"_s).toStringList(); }
    void forget() { evaluate(pane, u"window.recorded = []"_s); }

private slots:
    void decisions_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("dropped");
        const std::pair<Kind, const char *> kinds[] = {
            {Kind::RightPress, "right press"},     {Kind::RightRelease, "right release"},
            {Kind::ContextMenu, "context menu"},   {Kind::LeftPress, "left press"},
            {Kind::LeftRelease, "left release"},   {Kind::RightDoubleClick, "right double click"},
            {Kind::Wheel, "wheel"},                {Kind::Key, "key"},
            {Kind::Move, "move"}};
        const std::pair<Target, const char *> targets[] = {{Target::Grandchild, "inside, deep"},
                                                           {Target::Child, "inside"},
                                                           {Target::Pane, "the pane itself"},
                                                           {Target::Outside, "outside"}};
        for (const auto &[target, targetName] : targets) {
            for (const auto &[kind, kindName] : kinds) {
                const bool inside = target == Target::Grandchild || target == Target::Child;
                const bool rightOrMenu =
                    kind == Kind::RightPress || kind == Kind::RightRelease || kind == Kind::ContextMenu;
                QTest::addRow("%s: %s", targetName, kindName) << target << kind << (inside && rightOrMenu);
            }
        }
    }

    void decisions()
    {
        QFETCH(Target, target);
        QFETCH(Kind, kind);
        QFETCH(bool, dropped);
        QWidget window;
        QWidget paneWidget(&window);
        QWidget child(&paneWidget);
        QWidget grandchild(&child);
        QWidget outside(&window);
        ApplicationEvents filter(&paneWidget, nullptr);
        QWidget *targets[] = {&grandchild, &child, &paneWidget, &outside};
        const std::unique_ptr<QEvent> event = eventOf(kind);
        QCOMPARE(filter.ApplicationEvents1Message(targets[int(target)], event.get()), dropped);
    }

    void init()
    {
        window = shownWindow(loopbackAddresses(closedPort()));
        pane = engineView(window->findChild<QWidget *>(u"WebBrowser1"_s));
        window->findChild<WebBrowser *>(u"WebBrowser1"_s)->Navigate(QStringLiteral(COURSE_FIXTURES_DIR "/recorder.html"));
        QVERIFY(waitForLoad(pane));
        QTRY_VERIFY(inputWidget(pane));
    }

    void cleanup() { window.reset(); }

    void rightClickNeverReachesThePage()
    {
        QWidget *input = inputWidget(pane);
        QTest::mouseClick(input, Qt::RightButton, {}, QPoint(120, 120));
        QTest::qWait(500);
        QCOMPARE(recorded(), QStringList());
        QVERIFY(!menuIsShown());
        // The page does see a left click sent the same way.
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(120, 120));
        QTRY_VERIFY(recorded().contains(u"click:0"_s));
    }

    void everythingElseReachesThePage()
    {
        QWidget *input = inputWidget(pane);
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(120, 120));
        QTRY_COMPARE(recorded(), (QStringList{u"mousedown:0"_s, u"mouseup:0"_s, u"click:0"_s}));
        forget();

        QTest::mouseDClick(input, Qt::RightButton, {}, QPoint(120, 120));
        QTRY_VERIFY(recorded().contains(u"mousedown:2"_s));
        forget();

        QTest::keyClick(input, Qt::Key_A);
        QTRY_COMPARE(recorded(), QStringList{u"keydown:a"_s});
    }

    void rightClicksElsewhereAreUntouched()
    {
        QWidget *tree = window->findChild<QAbstractScrollArea *>(u"TreeView1"_s)->viewport();
        QList<QWidget *> targets = {tree,
                                    window->findChild<QWidget *>(u"suiButton1"_s),
                                    window->findChild<QWidget *>(u"Image1"_s),
                                    window->findChild<QWidget *>(u"suiForm1TitleBar"_s),
                                    window->findChild<QWidget *>(u"WebBrowser1"_s),
                                    window->findChild<QWidget *>(u"webcount"_s)};
        for (QWidget *target : targets) {
            RightPressCounter counter(target);
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                              Qt::RightButton, Qt::RightButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                                Qt::RightButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
            QVERIFY2(counter.count == 1, qPrintable(target->objectName()));
        }
        QTest::mouseClick(targets.first(), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(!menuIsShown());
    }
};

COURSE_TEST_MAIN(InputFilterTest)
#include "tst_inputfilter.moc"
