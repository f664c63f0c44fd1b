#include "mainwindow/CourseTree.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int expanderSize = 9;
const QColor lineColor(128, 128, 128);

bool isAncestorOrSelf(const QTreeWidgetItem *node, const QTreeWidgetItem *of)
{
    for (; of; of = of->parent()) {
        if (of == node)
            return true;
    }
    return false;
}

bool hasNextSibling(const QModelIndex &index)
{
    return index.model()->rowCount(index.parent()) > index.row() + 1;
}

// The classic tree's dotted line: every other pixel.
void dottedLine(QPainter *painter, QPoint from, QPoint to)
{
    const QPoint step = from.x() == to.x() ? QPoint(0, 2) : QPoint(2, 0);
    if ((from.x() + from.y()) % 2 != 0)
        from += step / 2;
    for (QPoint dot = from; dot.x() <= to.x() && dot.y() <= to.y(); dot += step)
        painter->drawPoint(dot);
}

} // namespace

CourseTree::CourseTree(QWidget *parent)
    : QTreeWidget(parent)
{
    // Texts keep their full width; the tree scrolls sideways instead of cutting them.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // One font and one picture size for every node: the first row's height serves all,
    // instead of every row being measured when the tree is laid out.
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CourseTree::expandSingle);
}

QTreeWidgetItem *CourseTree::nodeAtPosition(int position) const
{
    QTreeWidgetItemIterator node(const_cast<CourseTree *>(this));
    for (; *node && position > 0; ++node)
        --position;
    return *node;
}

QTreeWidgetItem *CourseTree::selectedNode() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void CourseTree::expandSingle()
{
    QTreeWidgetItem *selected = selectedNode();
    for (QTreeWidgetItem *node = previousSelection; node; node = node->parent()) {
        if (!isAncestorOrSelf(node, selected))
            node->setExpanded(false);
    }
    if (selected)
        selected->setExpanded(true);
    previousSelection = selected;
}

void CourseTree::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (hasFocus()) {
        QTreeWidget::drawRow(painter, option, index);
        return;
    }
    // The selected node keeps its selected icon but shows no highlight.
    QStyleOptionViewItem unfocused = option;
    unfocused.palette.setColor(QPalette::Highlight, Qt::transparent);
    unfocused.palette.setColor(QPalette::HighlightedText, option.palette.color(QPalette::Text));
    QTreeWidget::drawRow(painter, unfocused, index);
}

void CourseTree::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    const int indent = indentation();
    const int middleY = rect.top() + rect.height() / 2;
    int levelX = rect.right() + 1 - indent;
    const int centreX = levelX + indent / 2;

    painter->save();
    painter->setPen(lineColor);
    const bool firstRoot = !index.parent().isValid() && index.row() == 0;
    dottedLine(painter, {centreX, firstRoot ? middleY : rect.top()},
               {centreX, hasNextSibling(index) ? rect.bottom() : middleY});
    dottedLine(painter, {centreX, middleY}, {levelX + indent - 2, middleY});
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent()) {
        levelX -= indent;
        if (hasNextSibling(ancestor))
            dottedLine(painter, {levelX + indent / 2, rect.top()}, {levelX + indent / 2, rect.bottom()});
    }

    if (model()->hasChildren(index)) {
        const QRect box(centreX - expanderSize / 2, middleY - expanderSize / 2, expanderSize - 1, expanderSize - 1);
        painter->setBrush(Qt::white);
        painter->drawRect(box);
        painter->setPen(Qt::black);
        const QPoint centre = box.center();
        painter->drawLine(box.left() + 2, centre.y(), box.right() - 2, centre.y());
        if (!isExpanded(index))
            painter->drawLine(centre.x(), box.top() + 2, centre.x(), box.bottom() - 2);
    }
    painter->restore();
}

void CourseTree::mousePressEvent(QMouseEvent *event)
{
    // A right click selects nothing, and neither does a click below the nodes.
    if (event->button() == Qt::RightButton || !indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CourseTree::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit leftClicked();
}

bool CourseTree::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QRect row = visualRect(index);
    const QRect shown(row.topLeft(), QSize(sizeHintForIndex(index).width(), row.height()));
    if (index.isValid() && (shown.left() < 0 || shown.right() >= viewport()->width()))
        QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), shown);
    else
        QToolTip::hideText();
    return true;
}

void CourseTree::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    viewport()->update();
}

void CourseTree::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}
