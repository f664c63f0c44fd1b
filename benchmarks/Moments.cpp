#include "Moments.h"

#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>
#include <QWindow>
#include <QFile>
#include <QJsonDocument>
#include <QWebEngineView>
#include <chrono>
#include <cstdio>
#include <unistd.h>

double wallClockMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

namespace {

// The fields of /proc/PID/stat after the command name (state first); empty once the process is gone.
QList<QByteArray> statFields(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The command name may hold spaces; the fields after it start past the last ')'.
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

qint64 parentOf(const QString &pid)
{
    return statFields(pid).value(1, "-1").toLongLong();
}

double pssKiB(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

double cpuMs(qint64 pid)
{
    // utime and stime are fields 14 and 15, the 12th and 13th after the command name.
    const QList<QByteArray> fields = statFields(QString::number(pid));
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) * 1000 / sysconf(_SC_CLK_TCK);
}

// This process and all its descendants.
QList<qint64> processTree()
{
    QList<qint64> tree{qint64(getpid())};
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    // Parents come before their children often but not always: sweep until nothing new joins.
    for (bool grown = true; grown;) {
        grown = false;
        for (const QString &entry : processes) {
            bool isPid = false;
            const qint64 pid = entry.toLongLong(&isPid);
            if (isPid && !tree.contains(pid) && tree.contains(parentOf(entry))) {
                tree.append(pid);
                grown = true;
            }
        }
    }
    return tree;
}

double sumOverProcessTree(double (*figure)(qint64))
{
    double total = 0;
    for (qint64 pid : processTree())
        total += figure(pid);
    return total;
}

} // namespace

double processTreePssKiB()
{
    return sumOverProcessTree(pssKiB);
}

double processTreeCpuMs()
{
    return sumOverProcessTree(cpuMs);
}

void whenPainted(QWebEngineView *view, std::function<void()> done)
{
    auto *marker = new QObject(view);
    QObject::connect(view, &QWebEngineView::titleChanged, marker, [marker, done](const QString &title) {
        if (!title.endsWith(QStringLiteral("\u2063painted")))
            return;
        delete marker;
        done();
    });
    view->page()->runJavaScript(QStringLiteral(
        "requestAnimationFrame(() => requestAnimationFrame(() => { document.title += '\\u2063painted'; }))"));
}

void printReport(const QJsonObject &report)
{
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).append('\n').constData(), stdout);
    std::fflush(stdout);
}

namespace {

constexpr int restMs = 2000;
constexpr int timedNavigations = 15;
constexpr int loadTimeoutMs = 15000;

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitForLoad(QWebEngineView *pane)
{
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(pane, &QWebEngineView::loadFinished, &loop, [&] {
        loaded = true;
        loop.quit();
    });
    QTimer::singleShot(loadTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

// Notes the first time the window is put on screen.
class FirstExpose : public QObject
{
public:
    double at = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && at == 0)
            at = wallClockMs();
        return false;
    }
};

void measureTheRest(QWidget *window, QWebEngineView *pane, const QList<Navigation> &navigations, int soakLoads,
                    QJsonObject report)
{
    pause(restMs);
    report[QStringLiteral("pssAtRestKiB")] = processTreePssKiB();

    for (const Navigation &navigation : navigations) {
        QJsonArray trips;
        for (int round = 0; round < timedNavigations; ++round) {
            const double start = wallClockMs();
            navigation.go(true);
            if (!waitForLoad(pane))
                report[QStringLiteral("error")] = QStringLiteral("contact page did not load");
            trips.append(wallClockMs() - start);
            navigation.go(false);
            waitForLoad(pane);
        }
        report[navigation.name] = trips;
    }

    if (soakLoads > 0) {
        // A checkpoint on the way tells the engine's caches filling up from a leak.
        const int warmUpLoads = soakLoads / 5;
        for (int load = 0; load < soakLoads; ++load) {
            if (load == warmUpLoads) {
                pause(restMs);
                report[QStringLiteral("pssAfterWarmUpKiB")] = processTreePssKiB();
                report[QStringLiteral("warmUpLoads")] = warmUpLoads;
            }
            navigations.first().go(load % 2 == 0);
            waitForLoad(pane);
        }
        pause(restMs);
        report[QStringLiteral("pssAfterLoadsKiB")] = processTreePssKiB();
        report[QStringLiteral("loads")] = soakLoads;
    }
    printReport(report);
    window->close();
}

} // namespace

void runScenario(QWidget *window, QWebEngineView *pane, const QList<Navigation> &navigations, int soakLoads,
                 double enteredMs)
{
    auto *exposed = new FirstExpose;
    exposed->setParent(window);
    window->windowHandle()->installEventFilter(exposed);
    auto *once = new QObject(window);
    QObject::connect(pane, &QWebEngineView::loadFinished, once, [=](bool ok) {
        const double loaded = wallClockMs();
        delete once;
        whenPainted(pane, [=] {
            QJsonObject report{{QStringLiteral("enteredMs"), enteredMs},
                               {QStringLiteral("windowShownMs"), exposed->at},
                               {QStringLiteral("loadedMs"), loaded},
                               {QStringLiteral("paintedMs"), wallClockMs()},
                               {QStringLiteral("cpuAtPaintedMs"), processTreeCpuMs()},
                               {QStringLiteral("startPageOk"), ok}};
            QTimer::singleShot(0, window, [=] { measureTheRest(window, pane, navigations, soakLoads, report); });
        });
    });
}
