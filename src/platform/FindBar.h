#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QWebEngineFindTextResult;
class QWebEnginePage;

// A small bar along the bottom of the page for finding text in it: Enter and F3
// find the next match, with Shift the previous one, Esc closes the bar.
class FindBar : public QFrame
{
    Q_OBJECT

public:
    FindBar(QWebEnginePage *page, QWidget *parent);

    // Shows the bar with its text selected, ready for typing.
    void open();
    void close();
    void findNext(bool backward);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showResult(const QWebEngineFindTextResult &result);

    QWebEnginePage *page;
    QLineEdit *text;
    QLabel *result;
};
