#pragma once

#include <QAbstractButton>

// A toolbar button in the blue-glass look: a rounded face, white with a grey rim
// when idle and light blue under the mouse or pressed, with its glyph centred above
// its caption. Font and cursor come from the window's description.
class GlassButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit GlassButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
