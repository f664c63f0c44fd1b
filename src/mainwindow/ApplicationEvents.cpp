#include "mainwindow/ApplicationEvents.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

ApplicationEvents::ApplicationEvents(const QWidget *contentPane, QObject *parent)
    : QObject(parent)
    , pane(contentPane)
{
    setObjectName(QStringLiteral("ApplicationEvents1"));
    QCoreApplication::instance()->installEventFilter(this);
}

bool ApplicationEvents::ApplicationEvents1Message(QObject *target, QEvent *event) const
{
    // The type first: most events are no mouse events and end here.
    const QEvent::Type type = event->type();
    if (type != QEvent::ContextMenu) {
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return false;
        if (static_cast<const QMouseEvent *>(event)->button() != Qt::RightButton)
            return false;
    }
    // Strictly inside: the pane's own widget does not count.
    for (const QObject *ancestor = target->parent(); ancestor; ancestor = ancestor->parent()) {
        if (ancestor == pane)
            return true;
    }
    return false;
}

bool ApplicationEvents::eventFilter(QObject *target, QEvent *event)
{
    return ApplicationEvents1Message(target, event);
}
