#pragma once

#include <QAbstractButton>

// A round title-bar button. Its icon holds three pictures: Normal, Active (under the
// mouse) and Selected (pressed). Clicking it carries out its command on the window.
class OrbButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(Command command READ command WRITE setCommand)

public:
    enum Command { ControlBox, Close, Maximize, Minimize };
    Q_ENUM(Command)

    explicit OrbButton(QWidget *parent = nullptr);

    Command command() const { return orbCommand; }
    void setCommand(Command command) { orbCommand = command; }

    static void toggleMaximized(QWidget *window);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void carryOut();
    void showControlMenu();

    Command orbCommand = Close;
};
