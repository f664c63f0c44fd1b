#include "platform/BrowserProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

QWebEngineProfile *newOffTheRecordProfile(QObject *parent)
{
    auto *profile = new QWebEngineProfile(parent); // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setSpellCheckEnabled(false);
    // Even off the record the engine makes its storage folder, under the user's data
    // folder, once a page opens a database. It makes none where the folder already
    // exists, and an off-the-record profile stores nothing in it.
    profile->setPersistentStoragePath(QCoreApplication::applicationDirPath());

    QWebEngineSettings *settings = profile->settings();
    // A favicon would be a second request to every host, the counter's among them.
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    // The engine's PDF viewer is a plugin: past papers come as PDF files.
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    return profile;
}
