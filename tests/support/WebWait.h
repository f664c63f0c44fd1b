#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

class QWebEnginePage;
class QWebEngineView;
class QWidget;

// The engine's view inside one of the window's browsers (none for a silent one).
QWebEngineView *engineView(QWidget *browser);

// The page of one of the window's browsers.
QWebEnginePage *browserPage(QWidget *browser);

// Waits, at most timeoutMs, until the view has finished loading a page whose URL
// satisfies the given check (any page when the check is empty).
bool waitForLoad(QWebEngineView *view, const QUrl &expected = {}, int timeoutMs = 20000);

// Runs a script in the page and waits, at most timeoutMs, for its result.
QVariant evaluate(QWebEngineView *view, const QString &script, int timeoutMs = 10000);

// The widget that receives the page's input, once the page has been rendered.
QWidget *inputWidget(QWebEngineView *view);
