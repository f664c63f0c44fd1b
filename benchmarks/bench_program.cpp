// The program's own start-up, built from its sources, reporting the moments it
// measures. Arguments: COUNTER_PORT [SOAK_LOADS] [without-texts].
// "without-texts" blanks the tree's, the buttons' and the caption's texts before the
// window is shown: the same start-up minus drawing text, to show what the text costs.
#include "Moments.h"

#include "app/CourseApplication.h"
#include "mainwindow/Unit1.h"

#include <QAbstractButton>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>

namespace {

void blankTexts(QWidget *window)
{
    for (auto *tree : window->findChildren<QTreeWidget *>()) {
        for (QTreeWidgetItemIterator node(tree); *node; ++node)
            (*node)->setText(0, QString());
    }
    for (auto *button : window->findChildren<QAbstractButton *>())
        button->setText(QString());
    window->setWindowTitle(QString());
}

} // namespace

int main(int argc, char *argv[])
{
    const double entered = wallClockMs();
    const QString counterPort = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("9");
    const int soakLoads = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    int argumentCount = 1;
    CourseApplication application(argumentCount, argv);
    TForm1 window({QStringLiteral("http://127.0.0.1:9/"), QStringLiteral("http://127.0.0.1:9"),
                   QStringLiteral("http://127.0.0.1:") + counterPort});
    if (argc > 3 && QByteArray(argv[3]) == "without-texts")
        blankTexts(&window);
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
