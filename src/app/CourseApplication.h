#pragma once

#include <QApplication>
#include <QString>

// The application frame: prepares the process for the web engine, carries the
// application title and reports every error that escapes an event handler.
class CourseApplication : public QApplication
{
    Q_OBJECT

public:
    CourseApplication(int &argc, char **argv);

    // The caption of every error box.
    static QString title();

    // Runs a handler outside event delivery (the window's creation handler) with
    // the same error reporting as notify(): what escapes it ends the handler there.
    template <typename Handler>
    static void runHandler(Handler &&handler)
    {
        try {
            handler();
        } catch (...) {
            reportCurrentException();
        }
    }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    // Shows the exception being handled in a modal error box.
    static void reportCurrentException();
};
