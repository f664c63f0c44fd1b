#include "mainwindow/OrbButton.h"

#include <QMenu>
#include <QPainter>

OrbButton::OrbButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, &OrbButton::carryOut);
}

QSize OrbButton::sizeHint() const
{
    return iconSize();
}

void OrbButton::toggleMaximized(QWidget *window)
{
    if (window->isMaximized())
        window->showNormal();
    else
        window->showMaximized();
}

void OrbButton::paintEvent(QPaintEvent *)
{
    const QIcon::Mode mode = isDown() ? QIcon::Selected : underMouse() ? QIcon::Active : QIcon::Normal;
    QPainter painter(this);
    icon().paint(&painter, rect(), Qt::AlignCenter, mode);
}

void OrbButton::carryOut()
{
    QWidget *target = window();
    switch (orbCommand) {
    case ControlBox:
        showControlMenu();
        break;
    case Close:
        target->close();
        break;
    case Maximize:
        toggleMaximized(target);
        break;
    case Minimize:
        target->showMinimized();
        break;
    }
}

void OrbButton::showControlMenu()
{
    QWidget *target = window();
    QMenu menu(this);
    menu.addAction(tr("还原(&R)"), target, &QWidget::showNormal)->setEnabled(target->isMaximized());
    menu.addAction(tr("最小化(&N)"), target, &QWidget::showMinimized);
    menu.addAction(tr("最大化(&X)"), target, &QWidget::showMaximized)->setEnabled(!target->isMaximized());
    menu.addSeparator();
    menu.addAction(tr("关闭(&C)"), target, &QWidget::close);
    menu.exec(mapToGlobal(rect().bottomLeft()));
}
