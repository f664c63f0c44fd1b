#include "support/LoopbackServer.h"

#include <QTcpSocket>
#include <QTest>

LoopbackServer::LoopbackServer(Answer answerWith, const QByteArray &body, const QByteArray &pageHeaders)
    : answer(answerWith)
    , page(body)
    , headers(pageHeaders)
{
    connect(&server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
    server.listen(QHostAddress::LocalHost);
}

bool LoopbackServer::waitForRequests(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return targets.size() >= count; }, timeoutMs);
}

void LoopbackServer::accept()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, head = QByteArray()]() mutable {
            head += socket->readAll();
            if (!head.contains("\r\n\r\n"))
                return;
            targets.append(head.left(head.indexOf("\r\n")).split(' ').value(1));
            head.clear();
            switch (answer) {
            case Page:
                socket->write("HTTP/1.1 200 OK\r\n" + headers + "Content-Length: " + QByteArray::number(page.size())
                              + "\r\nConnection: close\r\n\r\n" + page);
                socket->disconnectFromHost();
                break;
            case ServerError:
                socket->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
                break;
            case Garbage:
                socket->write("\x01\x02 this is not HTTP \xff\xfe\r\n\r\n");
                socket->disconnectFromHost();
                break;
            case Silence:
                break;
            }
        });
    }
}
