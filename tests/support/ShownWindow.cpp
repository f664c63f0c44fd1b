#include "support/ShownWindow.h"

#include "support/WebWait.h"

#include <QTest>

std::unique_ptr<TForm1> shownWindow(const ServiceAddresses &addresses)
{
    auto window = std::make_unique<TForm1>(addresses);
    window->resize(983, 633);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    waitForLoad(engineView(window->findChild<QWidget *>(QStringLiteral("WebBrowser1"))));
    return window;
}
