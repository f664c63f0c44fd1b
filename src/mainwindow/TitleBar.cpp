#include "mainwindow/TitleBar.h"

#include "mainwindow/OrbButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {
constexpr int sectionWidth = 48;
constexpr int orbTop = 4;
constexpr int orbSpacing = 2;
constexpr int orbRightMargin = 6;
} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
{
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QSize section(sectionWidth, height());
    painter.drawPixmap(0, 0, left.pixmap(section));
    painter.drawTiledPixmap(QRect(sectionWidth, 0, width() - 2 * sectionWidth, height()),
                            client.pixmap(QSize(sectionWidth + 1, height())));
    painter.drawPixmap(width() - sectionWidth, 0, right.pixmap(section));

    // White caption, with a soft shadow so that it reads on the light stripes.
    // Between the left section and the orbs, wherever the orbs were laid out.
    int orbsLeft = width();
    for (const OrbButton *orb : findChildren<OrbButton *>(QString(), Qt::FindDirectChildrenOnly))
        orbsLeft = qMin(orbsLeft, orb->x());
    const QString caption = window()->windowTitle();
    const QRect captionArea(sectionWidth, 0, orbsLeft - orbSpacing - sectionWidth, height());
    const QString shown = fontMetrics().elidedText(caption, Qt::ElideRight, captionArea.width());
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(captionArea.translated(1, 1), Qt::AlignCenter, shown);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::AlignCenter, shown);
}

void TitleBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    int x = width() - orbRightMargin;
    for (OrbButton *orb : findChildren<OrbButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        x -= orb->width();
        orb->move(x, orbTop);
        x -= orbSpacing;
    }
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || window()->isMaximized())
        return;
    QWindow *handle = window()->windowHandle();
    draggingByHand = !(handle && handle->startSystemMove());
    grabOffset = event->globalPosition().toPoint() - window()->pos();
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (draggingByHand && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - grabOffset);
}

void TitleBar::mouseReleaseEvent(QMouseEvent *)
{
    draggingByHand = false;
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OrbButton::toggleMaximized(window());
}
