#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the user's default browser: records every web address the program
// hands to the desktop while it exists.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    const QList<QUrl> &opened() const { return urls; }

public slots:
    void open(const QUrl &url) { urls.append(url); }

private:
    QList<QUrl> urls;
};
