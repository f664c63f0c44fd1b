// The program's own start-up, built from its sources, reporting the moments it
// measures. Arguments: COUNTER_PORT [SOAK_LOADS].
#include "Moments.h"

#include "app/CourseApplication.h"
#include "mainwindow/Unit1.h"

#include <QTest>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    const double entered = wallClockMs();
    const QString counterPort = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("9");
    const int soakLoads = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    int argumentCount = 1;
    CourseApplication application(argumentCount, argv);
    TForm1 window({QStringLiteral("http://127.0.0.1:9/"), QStringLiteral("http://127.0.0.1:9"),
                   QStringLiteral("http://127.0.0.1:") + counterPort});
    window.showMaximized();

    auto *pane = window.findChild<QWidget *>(QStringLiteral("WebBrowser1"))->findChild<QWebEngineView *>();
    auto clickButton = [&window](bool toContact) {
        QTest::mouseClick(window.findChild<QWidget *>(toContact ? QStringLiteral("suiButton7") : QStringLiteral("suiButton2")),
                          Qt::LeftButton);
    };
    auto navigate = [&window](bool toContact) {
        window.NavigateLocalPage(toContact ? QStringLiteral("data\\联系我们.htm") : QStringLiteral("data\\课程资料.htm"));
    };
    runScenario(&window, pane, {{QStringLiteral("clickToPageMs"), clickButton}, {QStringLiteral("navigateToPageMs"), navigate}},
                soakLoads, entered);
    return application.exec();
}
