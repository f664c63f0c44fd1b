#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <functional>

class QWebEngineView;

// What the start-up harnesses share, so that the program and the bare baseline
// are measured the same way.

// Wall-clock milliseconds since the epoch, comparable across processes.
double wallClockMs();

// PSS of this process and all its descendants (the engine's renderer, GPU and
// zygote processes), in KiB, from /proc/PID/smaps_rollup.
double processTreePssKiB();

// Processor time (user and system) used so far by the same processes, in ms.
double processTreeCpuMs();

// Calls done once the view has finished loading and its page has put a frame on
// screen (two animation frames after the load).
void whenPainted(QWebEngineView *view, std::function<void()> done);

// Prints the report as one JSON line on standard output.
void printReport(const QJsonObject &report);

class QWidget;

// One way of going to the contact page (true) or back to the start page (false),
// reported under its name.
struct Navigation
{
    QString name;
    std::function<void(bool toContact)> go;
};

// Drives one measured run once the window is shown: the moment the window is first
// exposed, the start page loaded and painted, memory at rest, fifteen timed trips to
// the contact page by each navigation, and during soakLoads alternating loads (by
// the first navigation) memory again after a fifth of them and after all. Prints the
// report and closes the window.
void runScenario(QWidget *window, QWebEngineView *pane, const QList<Navigation> &navigations, int soakLoads,
                 double enteredMs);
