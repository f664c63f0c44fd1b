#pragma once

#include <QAbstractButton>

// A picture that acts on a click: its icon is drawn over the whole widget.
class ClickableImage : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
