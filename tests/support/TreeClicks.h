#pragma once

#include <QPoint>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The node reached by a path of texts from the top level, as {"考点视频精讲", "模块一　职业理念"}.
QTreeWidgetItem *nodeByPath(const QTreeWidget *tree, const QStringList &path);

// Where a click on the node's text lands, in viewport coordinates, after scrolling it into view.
QPoint pointOnNode(QTreeWidget *tree, QTreeWidgetItem *node);

// A real left click on the node's text.
void clickNode(QTreeWidget *tree, QTreeWidgetItem *node);
