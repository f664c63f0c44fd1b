// The program as its entry point builds it, reporting what its content pane loaded.
// On the content pane's first finished load (or after 20 s) it prints one JSON line
// and closes its window. With --click-exit it instead clicks the tree entry "退出"
// and leaves the ending to the program.
#include "app/CourseApplication.h"
#include "mainwindow/CourseTree.h"
#include "mainwindow/Unit1.h"
#include "support/ErrorBoxWatcher.h"
#include "support/TestEnvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

namespace {

void clickExitEntry(TForm1 &window)
{
    auto *tree = window.findChild<CourseTree *>(QStringLiteral("TreeView1"));
    QTreeWidgetItem *exitEntry = tree->findItems(QStringLiteral("退出"), Qt::MatchExactly).value(0);
    tree->scrollToItem(exitEntry);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(exitEntry).center());
}

} // namespace

int main(int argc, char *argv[])
{
    const bool clickExit = argc > 1 && qstrcmp(argv[1], "--click-exit") == 0;
    prepareTestEnvironment();
    int argumentCount = 1;
    CourseApplication application(argumentCount, argv);
    ErrorBoxWatcher errorBoxes;
    TForm1 window(loopbackAddresses(closedPort()));
    window.showMaximized();

    auto *view = window.findChild<QWidget *>(QStringLiteral("WebBrowser1"))->findChild<QWebEngineView *>();
    bool reported = false;
    auto report = [&](bool ok) {
        if (reported)
            return;
        reported = true;
        const QJsonObject result{{QStringLiteral("ok"), ok},
                                 {QStringLiteral("url"), view->url().toString()},
                                 {QStringLiteral("title"), view->title()},
                                 {QStringLiteral("errorBoxes"), int(errorBoxes.boxes().size())},
                                 {QStringLiteral("visible"), window.isVisible()},
                                 {QStringLiteral("maximized"), window.isMaximized()},
                                 {QStringLiteral("softwareDrawing"),
                                  QQuickWindow::sceneGraphBackend() == u"software"}};
        std::fputs(QJsonDocument(result).toJson(QJsonDocument::Compact).append('\n').constData(), stdout);
        std::fflush(stdout);
        if (clickExit)
            clickExitEntry(window);
        else
            window.close();
    };
    QObject::connect(view, &QWebEngineView::loadFinished, &window, report);
    QTimer::singleShot(20000, &window, [&] { report(false); });
    return application.exec();
}
