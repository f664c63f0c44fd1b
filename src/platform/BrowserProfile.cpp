#include "platform/BrowserProfile.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

QWebEngineProfile *newOffTheRecordProfile(QObject *parent)
{
    auto *profile = new QWebEngineProfile(parent); // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setSpellCheckEnabled(false);

    QWebEngineSettings *settings = profile->settings();
    // A favicon would be a second request to every host, the counter's among them.
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    return profile;
}
