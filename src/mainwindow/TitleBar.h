#pragma once

#include <QIcon>
#include <QPoint>
#include <QWidget>

// The skin's own title bar: striped sections, the window's caption, and the orb
// buttons among its children, laid out from the right edge in child order.
// Dragging it moves the window; a double click maximises or restores it.
class TitleBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QIcon leftSection READ leftSection WRITE setLeftSection)
    Q_PROPERTY(QIcon clientSection READ clientSection WRITE setClientSection)
    Q_PROPERTY(QIcon rightSection READ rightSection WRITE setRightSection)

public:
    explicit TitleBar(QWidget *parent = nullptr);

    QIcon leftSection() const { return left; }
    void setLeftSection(const QIcon &picture) { left = picture; }
    QIcon clientSection() const { return client; }
    void setClientSection(const QIcon &picture) { client = picture; }
    QIcon rightSection() const { return right; }
    void setRightSection(const QIcon &picture) { right = picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QIcon left, client, right;
    // Set while the window is moved by hand, where the window manager cannot move it.
    bool draggingByHand = false;
    QPoint grabOffset;
};
