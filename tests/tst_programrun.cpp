// The program run as a process: a copy placed in an awkward folder and started from
// elsewhere finds its pages, copes with missing or broken ones, and ends with code 0;
// it draws in software only where OpenGL is an emulation.
#include "platform/SoftwareDrawing.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

enum class DataFolder { Complete, Missing, IsAFile, EmptyStartPage, BrokenStartPage };
Q_DECLARE_METATYPE(DataFolder)

namespace {

#ifdef Q_OS_WIN
const QString probeName = u"courseware_probe.exe"_s;
#else
const QString probeName = u"courseware_probe"_s;
#endif


bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// A copy of the probe in a folder whose name holds Chinese characters, a space, '#' and '%'.
QString installCopy(const QTemporaryDir &root, DataFolder data)
{
    const QString folder = root.filePath(u"课程 #1%资料"_s);
    QDir().mkpath(folder);
    const QString program = folder + u'/' + probeName;
    QFile::copy(QCoreApplication::applicationDirPath() + u'/' + probeName, program);
    const QString dataFolder = folder + u"/data"_s;
    const QString startPage = dataFolder + u"/课程资料.htm"_s;
    switch (data) {
    case DataFolder::Complete:
        copyTree(QCoreApplication::applicationDirPath() + u"/data"_s, dataFolder);
        break;
    case DataFolder::Missing:
        break;
    case DataFolder::IsAFile: {
        QFile file(dataFolder);
        file.open(QIODevice::WriteOnly);
        file.write("not a folder");
        break;
    }
    case DataFolder::EmptyStartPage:
    case DataFolder::BrokenStartPage: {
        QDir().mkpath(dataFolder);
        QFile page(startPage);
        page.open(QIODevice::WriteOnly);
        if (data == DataFolder::BrokenStartPage)
            page.write("<html><head><title>\xff\xfe\x00\x01<<<</head><body><table><tr><td>\x80\x81");
        break;
    }
    }
    return program;
}

struct Run
{
    int exitCode = -1;
    bool ended = false;
    QJsonObject report;
};

Run runProbe(const QString &program, const QStringList &arguments = {},
             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QTemporaryDir elsewhere;
    QProcess process;
    process.setWorkingDirectory(elsewhere.path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    run.ended = process.waitForFinished(60000);
    if (!run.ended)
        process.kill();
    run.exitCode = process.exitCode();
    const QByteArray firstLine = process.readAllStandardOutput().split('\n').value(0);
    run.report = QJsonDocument::fromJson(firstLine).object();
    return run;
}

} // namespace

class ProgramRunTest : public QObject
{
    Q_OBJECT

private slots:
    void startPageFoundFromAnotherFolder()
    {
        QTemporaryDir root;
        const QString program = installCopy(root, DataFolder::Complete);
        const Run run = runProbe(program);
        QVERIFY(run.ended);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.report.value(u"ok"_s).toBool(), true);
        QCOMPARE(run.report.value(u"title"_s).toString(), u"课程资料"_s);
        const QUrl expected = QUrl::fromLocalFile(QFileInfo(program).absolutePath() + u"/data/课程资料.htm"_s);
        QCOMPARE(QUrl(run.report.value(u"url"_s).toString()), expected);
        QCOMPARE(run.report.value(u"visible"_s).toBool(), true);
        QCOMPARE(run.report.value(u"maximized"_s).toBool(), true);
        QCOMPARE(run.report.value(u"errorBoxes"_s).toInt(), 0);
    }

    void faultyDataStillOpensTheWindow_data()
    {
        QTest::addColumn<DataFolder>("data");
        QTest::newRow("no data folder") << DataFolder::Missing;
        QTest::newRow("data is a file") << DataFolder::IsAFile;
        QTest::newRow("empty start page") << DataFolder::EmptyStartPage;
        QTest::newRow("broken start page") << DataFolder::BrokenStartPage;
    }

    void faultyDataStillOpensTheWindow()
    {
        QFETCH(DataFolder, data);
        QTemporaryDir root;
        const Run run = runProbe(installCopy(root, data));
        QVERIFY(run.ended);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.report.value(u"visible"_s).toBool(), true);
        QCOMPARE(run.report.value(u"errorBoxes"_s).toInt(), 0);
    }

    void emulationsAreKnownByName_data()
    {
        QTest::addColumn<QByteArray>("renderer");
        QTest::addColumn<bool>("emulated");
        QTest::newRow("Mesa llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)"_ba << true;
        QTest::newRow("Mesa softpipe") << "softpipe"_ba << true;
        QTest::newRow("SwiftShader") << "Google SwiftShader"_ba << true;
        QTest::newRow("Windows GDI") << "GDI Generic"_ba << true;
        QTest::newRow("Windows WARP") << "Microsoft Basic Render Driver"_ba << true;
        QTest::newRow("Intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"_ba << false;
        QTest::newRow("AMD through LLVM") << "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)"_ba << false;
        QTest::newRow("NVIDIA") << "NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2"_ba << false;
    }

    void emulationsAreKnownByName()
    {
        QFETCH(QByteArray, renderer);
        QFETCH(bool, emulated);
        QCOMPARE(isEmulatedRenderer(renderer), emulated);
    }

    void drawingFollowsTheRenderer_data()
    {
        QTest::addColumn<QString>("qtBackend");
        QTest::addColumn<bool>("software");
        const QByteArray renderer = openGLRenderer();
        QTest::newRow("program's choice") << QString() << (renderer.isEmpty() || isEmulatedRenderer(renderer));
        QTest::newRow("left to Qt: OpenGL") << u"rhi"_s << false;
        QTest::newRow("left to Qt: software") << u"software"_s << true;
    }

    // Either way the start page shows.
    void drawingFollowsTheRenderer()
    {
        QFETCH(QString, qtBackend);
        QFETCH(bool, software);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QUICK_BACKEND"_s);
        environment.remove(u"QSG_RHI_BACKEND"_s);
        if (!qtBackend.isEmpty())
            environment.insert(u"QT_QUICK_BACKEND"_s, qtBackend);
        QTemporaryDir root;
        const Run run = runProbe(installCopy(root, DataFolder::Complete), {}, environment);
        QVERIFY(run.ended);
        QCOMPARE(run.report.value(u"softwareDrawing"_s).toBool(), software);
        QCOMPARE(run.report.value(u"ok"_s).toBool(), true);
        QCOMPARE(run.report.value(u"title"_s).toString(), u"课程资料"_s);
    }

    void exitEntryEndsTheProgramWithCodeZero()
    {
        QTemporaryDir root;
        const Run run = runProbe(installCopy(root, DataFolder::Complete), {u"--click-exit"_s});
        QVERIFY(run.ended);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.report.value(u"visible"_s).toBool(), true);
    }
};

COURSE_TEST_MAIN(ProgramRunTest)
#include "tst_programrun.moc"
