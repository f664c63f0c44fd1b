#pragma once

class QObject;
class QWebEngineProfile;

// The one profile both browsers share: off the record, so that no cookie, cache or
// storage file is ever written, and fetching nothing a page does not ask for.
QWebEngineProfile *newOffTheRecordProfile(QObject *parent);
