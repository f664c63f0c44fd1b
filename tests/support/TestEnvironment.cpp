#include "support/TestEnvironment.h"

#include <QTcpServer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void prepareTestEnvironment()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

ServiceAddresses loopbackAddresses(quint16 counterPort)
{
    return {QStringLiteral("http://127.0.0.1:9/"), QStringLiteral("http://127.0.0.1:9"),
            QStringLiteral("http://127.0.0.1:%1").arg(counterPort)};
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when the probe goes
}
