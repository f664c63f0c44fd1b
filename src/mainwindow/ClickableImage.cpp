#include "mainwindow/ClickableImage.h"

#include <QPainter>

ClickableImage::ClickableImage(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QSize ClickableImage::sizeHint() const
{
    return iconSize();
}

void ClickableImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    icon().paint(&painter, rect());
}
