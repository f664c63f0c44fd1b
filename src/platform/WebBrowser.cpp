#include "platform/WebBrowser.h"

#include "app/CourseError.h"
#include "platform/BrowserPage.h"

#include <QDir>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

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
    , view(new QWebEngineView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);
}

void WebBrowser::openPage(QWebEngineProfile *profile)
{
    page = new BrowserPage(profile, view);
    view->setPage(page);
}

void WebBrowser::Navigate(const QString &address)
{
    page->load(urlFor(address));
}

void WebBrowser::showHtml(const QString &html)
{
    page->setHtml(html);
}

bool WebBrowser::Silent() const
{
    return page && page->isSilent();
}

void WebBrowser::setSilent(bool silent)
{
    page->setSilent(silent);
}
