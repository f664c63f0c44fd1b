#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <functional>

// Answers every dialog of one kind that comes up while it exists, even inside the
// dialog's own event loop: the test's answer runs on the dialog, which it must close.
template <typename Dialog>
class DialogAnswerer : public QObject
{
public:
    explicit DialogAnswerer(std::function<void(Dialog *)> answer)
        : answer(std::move(answer))
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<Dialog *>(widget);
                if (dialog && dialog->isVisible()) {
                    ++answered;
                    poll.stop(); // an answer may wait: it is not to be asked twice
                    this->answer(dialog);
                    poll.start();
                }
            }
        });
        poll.start(50);
    }

    int answered = 0;

private:
    std::function<void(Dialog *)> answer;
    QTimer poll;
};
