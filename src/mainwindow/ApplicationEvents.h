#pragma once

#include <QObject>

class QWidget;

// Sees every event of the application before its target does, and drops the right
// button and context-menu events aimed inside the content pane, so that the page
// offers no menu of its own. Everything else passes untouched.
class ApplicationEvents : public QObject
{
    Q_OBJECT

public:
    ApplicationEvents(const QWidget *contentPane, QObject *parent);

    // True when the event is to be dropped. Allocates nothing.
    bool ApplicationEvents1Message(QObject *target, QEvent *event) const;

protected:
    bool eventFilter(QObject *target, QEvent *event) override;

private:
    const QObject *pane;
};
