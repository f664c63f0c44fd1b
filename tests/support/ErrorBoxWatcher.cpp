#include "support/ErrorBoxWatcher.h"

#include <QApplication>
#include <QTest>

ErrorBoxWatcher::ErrorBoxWatcher()
{
    connect(&poll, &QTimer::timeout, this, &ErrorBoxWatcher::closeVisibleBoxes);
    poll.start(20);
}

bool ErrorBoxWatcher::waitFor(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return seen.size() >= count; }, timeoutMs);
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
