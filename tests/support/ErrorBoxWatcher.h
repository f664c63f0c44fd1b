#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>

// Watches for modal message boxes, records what they show and closes them, so that
// a test can run code that puts one up.
class ErrorBoxWatcher : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    ErrorBoxWatcher();

    const QList<Box> &boxes() const { return seen; }

    // Runs while a box is still up, before the watcher closes it.
    void whileShown(std::function<void()> action) { onShown = std::move(action); }

    // Waits at most timeoutMs for the count of boxes seen to reach count.
    bool waitFor(int count, int timeoutMs = 5000) const;

private:
    void closeVisibleBoxes();

    QTimer poll;
    QList<Box> seen;
    std::function<void()> onShown;
};
