// A whole run, storage-hungry page and counter cookie included, writes nothing
// under the user's home or XDG folders.
#include "mainwindow/Unit1.h"
#include "platform/WebBrowser.h"
#include "support/LoopbackServer.h"
#include "support/TestEnvironment.h"
#include "support/WebWait.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList filesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        // The graphics driver's own shader cache is not the program's doing.
        if (!path.contains(u"mesa_shader_cache"_s))
            found.append(path.mid(folder.size()));
    }
    return found;
}

} // namespace

class NoWritesTest : public QObject
{
    Q_OBJECT

public:
    explicit NoWritesTest(const QString &home)
        : home(home)
    {
    }

private slots:
    void runLeavesHomeEmpty()
    {
        const QStringList programFolder = filesBelow(QCoreApplication::applicationDirPath());
        LoopbackServer counter(LoopbackServer::Page, "<html><body><script>document.cookie='id=1; max-age=9999';"
                                                     "localStorage.setItem('n','1');</script></body></html>");
        {
            TForm1 window(loopbackAddresses(counter.port()));
            window.show();
            QWebEngineView *pane = engineView(window.findChild<QWidget *>(u"WebBrowser1"_s));
            QVERIFY(waitForLoad(pane));
            QVERIFY(counter.waitForRequests(1));

            window.findChild<WebBrowser *>(u"WebBrowser1"_s)->Navigate(QStringLiteral(COURSE_FIXTURES_DIR "/storage.html"));
            QTRY_COMPARE_WITH_TIMEOUT(pane->title(), u"stored"_s, 15000);
            window.close();
        }
        QTest::qWait(500);
        QCOMPARE(filesBelow(home), QStringList());
        QCOMPARE(filesBelow(QCoreApplication::applicationDirPath()), programFolder);
    }

private:
    QString home;
};

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    QTemporaryDir home;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    CourseApplication application(argc, argv);
    NoWritesTest test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nowrites.moc"
