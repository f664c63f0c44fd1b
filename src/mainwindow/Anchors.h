#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps a panel's children at their designed distances from the edges they are
// anchored to. A child names its edges in the dynamic property "anchors", for
// instance "left,top,bottom"; a child without it keeps its place (left and top).
class Anchors
{
public:
    // Records the designed geometry of the panel's children; call while the panel
    // still has its designed size.
    void capture(const QWidget *panel);

    void apply(const QWidget *panel) const;

private:
    struct Anchored
    {
        QWidget *widget;
        QRect designed;
        bool left, top, right, bottom;
    };
    QSize designedPanel;
    QList<Anchored> children;
};
