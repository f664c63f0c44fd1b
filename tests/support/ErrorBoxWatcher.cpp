#include "support/ErrorBoxWatcher.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

ErrorBoxWatcher::ErrorBoxWatcher()
{
    connect(&poll, &QTimer::timeout, this, &ErrorBoxWatcher::closeVisibleBoxes);
    poll.start(20);
}

bool ErrorBoxWatcher::waitFor(int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (seen.size() < count && !deadline.hasExpired())
        QTest::qWait(10);
    return seen.size() >= count;
}

void ErrorBoxWatcher::closeVisibleBoxes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        seen.append({box->windowTitle(), box->text(), box->icon()});
        if (onShown)
            onShown();
        box->done(QMessageBox::Ok);
    }
}
