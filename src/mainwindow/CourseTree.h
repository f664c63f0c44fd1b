#pragma once

#include <QTreeWidget>

// The course tree as the classic tree control behaves: dotted lines and +/- boxes,
// single-expand selection, no highlight while unfocused, tooltips for texts that do
// not fit, a right click that selects nothing, and a signal after every left click.
class CourseTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CourseTree(QWidget *parent = nullptr);

    // The node at a position counted depth-first over all nodes, expanded or not.
    QTreeWidgetItem *nodeAtPosition(int position) const;

    // The selected node, or nullptr.
    QTreeWidgetItem *selectedNode() const;

signals:
    // After every left click anywhere in the tree, whether or not it changed the selection.
    void leftClicked();

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void expandSingle();

    QTreeWidgetItem *previousSelection = nullptr;
};
