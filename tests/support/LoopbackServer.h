#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 that records every request it receives and
// answers in one of a few ways, the faulty ones included.
class LoopbackServer : public QObject
{
    Q_OBJECT

public:
    enum Answer {
        Page,        // 200 with the given page
        ServerError, // 500
        Garbage,     // bytes that are no HTTP at all
        Silence,     // accept and never answer
    };

    explicit LoopbackServer(Answer answer = Page, const QByteArray &page = "<html><body>counted</body></html>",
                            const QByteArray &headers = "Content-Type: text/html; charset=utf-8\r\n");

    quint16 port() const { return server.serverPort(); }

    // The request target of each request, as sent ("/path?query").
    const QList<QByteArray> &requests() const { return targets; }

    // Waits at most timeoutMs until count requests have arrived.
    bool waitForRequests(int count, int timeoutMs = 10000) const;

private:
    void accept();

    QTcpServer server;
    Answer answer;
    QByteArray page;
    QByteArray headers;
    QList<QByteArray> targets;
};
