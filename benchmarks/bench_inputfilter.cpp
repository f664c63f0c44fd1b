// What the content-pane filter costs each event of the application: nanoseconds
// and heap allocations per event, against the same application without it.
#include "mainwindow/ApplicationEvents.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> allocations{0};
}

void *operator new(std::size_t size)
{
    ++allocations;
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, std::size_t) noexcept { std::free(memory); }

namespace {

constexpr int eventsPerRound = 500'000;
constexpr int rounds = 7;

struct Figures
{
    double nanoseconds;
    double allocationsPerEvent;
};

// The best of several rounds of sending one event to one widget through the whole
// delivery path (notify, application filters, the widget).
Figures deliver(QWidget *target, QEvent *event)
{
    double best = 1e300;
    long long allocated = 0;
    for (int round = 0; round < rounds; ++round) {
        const long long before = allocations.load();
        QElapsedTimer clock;
        clock.start();
        for (int index = 0; index < eventsPerRound; ++index)
            QCoreApplication::sendEvent(target, event);
        best = std::min(best, double(clock.nsecsElapsed()) / eventsPerRound);
        allocated = allocations.load() - before;
    }
    return {best, double(allocated) / eventsPerRound};
}

// The filter's own decision, called directly.
Figures decide(const ApplicationEvents &filter, QObject *target, QEvent *event)
{
    double best = 1e300;
    long long allocated = 0;
    volatile bool dropped = false;
    for (int round = 0; round < rounds; ++round) {
        const long long before = allocations.load();
        QElapsedTimer clock;
        clock.start();
        for (int index = 0; index < eventsPerRound; ++index)
            dropped = filter.ApplicationEvents1Message(target, event);
        best = std::min(best, double(clock.nsecsElapsed()) / eventsPerRound);
        allocated = allocations.load() - before;
    }
    (void)dropped;
    return {best, double(allocated) / eventsPerRound};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // As deep as the page's input widget sits below the content pane.
    QWidget window;
    QWidget pane(&window);
    QWidget view(&pane);
    QWidget pageInput(&view);
    QWidget outside(&window);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent rightPress(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                           Qt::NoModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    struct Case
    {
        const char *name;
        QWidget *target;
        QEvent *event;
    } cases[] = {
        {"mouse move inside the pane", &pageInput, &move},
        {"right press inside the pane", &pageInput, &rightPress},
        {"key press inside the pane", &pageInput, &key},
        {"mouse move outside", &outside, &move},
        {"right press outside", &outside, &rightPress},
        {"key press outside", &outside, &key},
    };

    std::printf("%-30s %12s %12s %10s %14s %14s\n", "event", "no filter", "filter", "cost", "allocs/event",
                "decision only");
    for (const Case &entry : cases) {
        const Figures bare = deliver(entry.target, entry.event);
        Figures filtered{};
        Figures decision{};
        {
            ApplicationEvents filter(&pane, nullptr);
            filtered = deliver(entry.target, entry.event);
            decision = decide(filter, entry.target, entry.event);
        }
        std::printf("%-30s %9.1f ns %9.1f ns %7.1f ns %14.3f %11.1f ns\n", entry.name, bare.nanoseconds,
                    filtered.nanoseconds, filtered.nanoseconds - bare.nanoseconds,
                    filtered.allocationsPerEvent - bare.allocationsPerEvent, decision.nanoseconds);
        if (decision.allocationsPerEvent != 0)
            std::printf("  the decision allocated %.3f times per event\n", decision.allocationsPerEvent);
    }
    return 0;
}
