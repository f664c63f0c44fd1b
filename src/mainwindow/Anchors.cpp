#include "mainwindow/Anchors.h"

#include <QWidget>

namespace {

// Where an edge pair puts a span: both edges stretch it, the far edge alone moves it.
void place(bool nearEdge, bool farEdge, int designedStart, int designedLength, int designedExtent, int extent,
           int &start, int &length)
{
    const int farDistance = designedExtent - designedStart - designedLength;
    start = designedStart;
    length = designedLength;
    if (nearEdge && farEdge)
        length = extent - designedStart - farDistance;
    else if (farEdge)
        start = extent - farDistance - designedLength;
}

} // namespace

void Anchors::capture(const QWidget *panel)
{
    designedPanel = panel->size();
    children.clear();
    for (QWidget *child : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant edges = child->property("anchors");
        if (!edges.isValid())
            continue;
        const QString names = edges.toString();
        children.append({child, child->geometry(), names.contains(u"left"), names.contains(u"top"),
                         names.contains(u"right"), names.contains(u"bottom")});
    }
}

void Anchors::apply(const QWidget *panel) const
{
    for (const Anchored &child : children) {
        QRect bounds;
        int start = 0, length = 0;
        place(child.left, child.right, child.designed.x(), child.designed.width(), designedPanel.width(),
              panel->width(), start, length);
        bounds.setX(start);
        bounds.setWidth(length);
        place(child.top, child.bottom, child.designed.y(), child.designed.height(), designedPanel.height(),
              panel->height(), start, length);
        bounds.setY(start);
        bounds.setHeight(length);
        child.widget->setGeometry(bounds);
    }
}
