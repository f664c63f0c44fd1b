#include "mainwindow/GlassButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int glyphToCaption = 4;
constexpr qreal cornerRadius = 6;
} // namespace

GlassButton::GlassButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

QSize GlassButton::sizeHint() const
{
    return {96, 73};
}

void GlassButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool lit = isDown() || underMouse();
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    if (lit) {
        fill.setColorAt(0, QColor(233, 244, 255));
        fill.setColorAt(0.5, QColor(196, 226, 252));
        fill.setColorAt(1, QColor(170, 211, 248));
    } else {
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(240, 240, 240));
    }
    painter.setPen(lit ? QColor(105, 160, 215) : QColor(160, 160, 160));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, cornerRadius, cornerRadius);

    // Glass sheen over the upper half.
    QPainterPath sheen;
    sheen.addRoundedRect(face.adjusted(1.5, 1.5, -1.5, -face.height() / 2), cornerRadius - 1, cornerRadius - 1);
    painter.fillPath(sheen, QColor(255, 255, 255, lit ? 110 : 70));

    const QSize glyph = iconSize();
    const int captionHeight = fontMetrics().height();
    const int top = (height() - glyph.height() - glyphToCaption - captionHeight) / 2 + (isDown() ? 1 : 0);
    const QRect glyphArea(QPoint((width() - glyph.width()) / 2, top), glyph);
    icon().paint(&painter, glyphArea);

    painter.setPen(palette().color(QPalette::ButtonText));
    const QRect captionArea(0, glyphArea.bottom() + 1 + glyphToCaption, width(), captionHeight);
    painter.drawText(captionArea, Qt::AlignHCenter | Qt::AlignTop, text());

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
