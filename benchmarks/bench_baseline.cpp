// The baseline: a bare window holding one web view that loads the same start page,
// and one hidden page that loads the counter address, with the same Qt, profile and
// engine settings. Arguments: COUNTER_PORT [SOAK_LOADS].
#include "Moments.h"

#include "platform/BrowserProfile.h"
#include "platform/SoftwareDrawing.h"

#include <QApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    const double entered = wallClockMs();
    const QString counterPort = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("9");
    const int soakLoads = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    drawInSoftwareWhereOpenGLIsEmulated(); // the program's choice of drawing, so that both draw alike

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QWebEngineView(&window);
    layout->addWidget(view);
    QWebEngineProfile *profile = newOffTheRecordProfile(&window); // after the view: it outlives the pages
    view->setPage(new QWebEnginePage(profile, view));
    auto *counter = new QWebEnginePage(profile, view);
    counter->load(QUrl(QStringLiteral("http://127.0.0.1:%1/count/softcount/?教师资格#综合素质(幼儿园)").arg(counterPort)));

    const QString data = QCoreApplication::applicationDirPath() + QStringLiteral("/data/");
    const QUrl startPage = QUrl::fromLocalFile(data + QStringLiteral("课程资料.htm"));
    const QUrl contactPage = QUrl::fromLocalFile(data + QStringLiteral("联系我们.htm"));
    view->load(startPage);
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();

    auto load = [=](bool toContact) { view->load(toContact ? contactPage : startPage); };
    // The baseline has no button: both measures are a plain load.
    runScenario(&window, view, {{QStringLiteral("clickToPageMs"), load}, {QStringLiteral("navigateToPageMs"), load}},
                soakLoads, entered);
    return application.exec();
}
