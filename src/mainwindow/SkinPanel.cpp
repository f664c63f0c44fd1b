#include "mainwindow/SkinPanel.h"

#include "mainwindow/TitleBar.h"

#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

SkinPanel::SkinPanel(QWidget *parent)
    : QWidget(parent)
{
    // The skin takes the place of the system frame.
    if (parent) {
        parent->setWindowFlag(Qt::FramelessWindowHint);
        parent->installEventFilter(this);
    }
}

bool SkinPanel::event(QEvent *event)
{
    // Polished before the first show, when children still have their designed bounds.
    if (event->type() == QEvent::Polish)
        anchors.capture(this);
    return QWidget::event(event);
}

bool SkinPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        coverParent();
    if (watched == parent() && event->type() == QEvent::WindowStateChange)
        fitWindowToState(static_cast<QWindowStateChangeEvent *>(event)->oldState());
    return QWidget::eventFilter(watched, event);
}

void SkinPanel::coverParent()
{
    const QWidget *window = parentWidget();
    setGeometry(1, 0, window->width() - 2, window->height() - 1);
}

void SkinPanel::fitWindowToState(Qt::WindowStates oldState)
{
    // A frameless window is sized by its skin: not every window manager maximises
    // one, and without a window manager nothing would.
    QWidget *window = parentWidget();
    const QRect screenArea = window->screen()->availableGeometry();
    if (window->isMaximized()) {
        // The platform may confirm the state once more, when the window already fills the screen.
        if (window->normalGeometry() != screenArea) {
            normalBounds = window->normalGeometry();
            if (!window->isVisible()) // first shown maximised: restoring puts it in the middle
                normalBounds.moveCenter(screenArea.center());
        }
        placeWindow(screenArea);
    } else if ((oldState & Qt::WindowMaximized) && !window->isMinimized() && normalBounds.isValid()) {
        placeWindow(normalBounds);
    }
}

void SkinPanel::placeWindow(const QRect &bounds)
{
    QWidget *window = parentWidget();
    // Once shown, through the native window: the widget's own setGeometry would end
    // the maximised state.
    if (window->isVisible())
        window->windowHandle()->setGeometry(bounds);
    else
        window->setGeometry(bounds);
}

void SkinPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (auto *titleBar = findChild<TitleBar *>(QString(), Qt::FindDirectChildrenOnly))
        titleBar->setGeometry(1, 1, width() - 2, titleBar->height());
    anchors.apply(this);
}

void SkinPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
