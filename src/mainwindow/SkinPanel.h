#pragma once

#include "mainwindow/Anchors.h"

#include <QWidget>

class TitleBar;

// The skin that covers the whole window: it takes the place of the system frame,
// keeps itself over the window's client area but for a 1 px strip on the left,
// right and bottom, keeps its title bar along its top edge and its anchored
// children at their distances. Its background is the palette's window colour; it
// draws a 1 px border in its border colour.
class SkinPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)

public:
    explicit SkinPanel(QWidget *parent = nullptr);

    QColor borderColor() const { return border; }
    void setBorderColor(const QColor &color) { border = color; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void coverParent();
    void fitWindowToState(Qt::WindowStates oldState);
    void placeWindow(const QRect &bounds);

    Anchors anchors;
    QRect normalBounds;
    QColor border;
};
