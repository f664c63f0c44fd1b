#include "platform/WebBrowser.h"

#include "app/CourseError.h"
#include "platform/BrowserPage.h"
#include "platform/CrashRecovery.h"
#include "platform/DownloadPrompt.h"
#include "platform/FindBar.h"
#include "platform/ZoomSteps.h"

#include <QChildEvent>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWheelEvent>

namespace {

bool isWebAddress(const QString &address)
{
    return address.startsWith(u"http://", Qt::CaseInsensitive) || address.startsWith(u"https://", Qt::CaseInsensitive);
}

QUrl urlFor(const QString &address)
{
    // A local path goes through fromLocalFile so that '#', '%' and spaces in folder names stay part of the path.
    const QUrl url = isWebAddress(address)       ? QUrl(address)
                     : QDir::isAbsolutePath(address) ? QUrl::fromLocalFile(address)
                                                     : QUrl();
    if (!url.isValid() || (isWebAddress(address) && url.host().isEmpty()))
        throw CourseError(QStringLiteral("“%1”不是可以打开的网址或文件路径。").arg(address));
    return url;
}

} // namespace

WebBrowser::WebBrowser(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::openPage(QWebEngineProfile *profile)
{
    page = new BrowserPage(profile, this);
}

void WebBrowser::equipForReading()
{
    new DownloadPrompt(page->profile(), page, this);
    new CrashRecovery(page);
    connect(page, &QWebEnginePage::printRequested, this, &WebBrowser::print);

    const struct
    {
        QKeySequence keys;
        std::function<void()> action;
    } readingKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoom(+1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom(+1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoom(-1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom(0); }},
        {QKeySequence::Find, [this] { finder()->open(); }},
        {QKeySequence(Qt::Key_F3), [this] { finder()->findNext(false); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { finder()->findNext(true); }},
        {QKeySequence::Print, [this] { print(); }},
    };
    // For the whole window: it has one content pane.
    for (const auto &readingKey : readingKeys)
        new QShortcut(readingKey.keys, this, readingKey.action, Qt::WindowShortcut);
}

bool WebBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view && event->type() == QEvent::ChildAdded) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() != 0)
                zoom(wheel->angleDelta().y() > 0 ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WebBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (findBar)
        placeFindBar();
}

FindBar *WebBrowser::finder()
{
    // Made when first asked for: most readers never search, and the first frame need not wait for it.
    if (!findBar) {
        findBar = new FindBar(page, this);
        placeFindBar();
    }
    return findBar;
}

void WebBrowser::placeFindBar()
{
    const int barHeight = findBar->sizeHint().height();
    findBar->setGeometry(0, height() - barHeight, width(), barHeight);
}

void WebBrowser::zoom(int direction)
{
    // Kept for this run only: the off-the-record profile remembers nothing.
    page->setZoomFactor(zoomStep(page->zoomFactor(), direction));
}

void WebBrowser::print()
{
    if (printer)
        return;
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), window());
    if (dialog.exec() != QDialog::Accepted) {
        printer.reset();
        return;
    }
    connect(view, &QWebEngineView::printFinished, this, [this] { printer.reset(); }, Qt::SingleShotConnection);
    view->print(printer.get());
}

void WebBrowser::Navigate(const QString &address)
{
    const QUrl url = urlFor(address);
    showInView();
    page->load(url);
}

void WebBrowser::showHtml(const QString &html)
{
    showInView();
    page->setHtml(html);
}

void WebBrowser::showInView()
{
    // A silent page is never seen: it loads as well without a view, and saves the
    // engine a second widget to draw and composite, and a reader's tools it never uses.
    if (view || page->isSilent())
        return;
    view = new QWebEngineView(this);
    layout()->addWidget(view);
    setFocusProxy(view);
    // The engine puts the widget that takes the page's input inside the view.
    view->installEventFilter(this);
    view->setPage(page);
    page->setParent(view); // the view lets go of its page before the page goes
    equipForReading();
}

bool WebBrowser::Silent() const
{
    return page && page->isSilent();
}

void WebBrowser::setSilent(bool silent)
{
    page->setSilent(silent);
}
