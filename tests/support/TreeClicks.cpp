#include "support/TreeClicks.h"

#include <QTest>
#include <QTreeWidget>

QTreeWidgetItem *nodeByPath(const QTreeWidget *tree, const QStringList &path)
{
    QTreeWidgetItem *node = tree->invisibleRootItem();
    for (const QString &text : path) {
        QTreeWidgetItem *next = nullptr;
        for (int index = 0; index < node->childCount() && !next; ++index) {
            if (node->child(index)->text(0) == text)
                next = node->child(index);
        }
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

QPoint pointOnNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    tree->scrollToItem(node);
    const QRect row = tree->visualItemRect(node);
    return {row.left() + 28, row.center().y()};
}

void clickNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, pointOnNode(tree, node));
}
