// The content pane as a reader of course pages expects it: links that ask for a new
// window, zoom and find keys, copying, printing, downloads and a crashed page.
#include "mainwindow/Unit1.h"
#include "platform/WebBrowser.h"
#include "support/DialogAnswerer.h"
#include "support/LoopbackServer.h"
#include "support/ShownWindow.h"
#include "support/TestEnvironment.h"
#include "support/UrlRecorder.h"
#include "support/WebWait.h"

#include <QClipboard>
#include <QFileDialog>
#include <QJsonDocument>
#include <QLabel>
#include <QJsonObject>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineFindTextResult>
#include <QWebEngineView>
#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

const QUrl linksPage = QUrl::fromLocalFile(QStringLiteral(COURSE_FIXTURES_DIR "/links.html"));
const QUrl otherPage = QUrl::fromLocalFile(QStringLiteral(COURSE_FIXTURES_DIR "/other.html"));

} // namespace

class ReadingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window;
    WebBrowser *browser = nullptr;
    QWebEngineView *pane = nullptr;

    void show(const QUrl &url)
    {
        browser->Navigate(url.isLocalFile() ? url.toLocalFile() : url.toString());
        QVERIFY(waitForLoad(pane, url));
        QTRY_VERIFY(inputWidget(pane));
    }

    // The centre of an element of the page, in the input widget's coordinates.
    QPoint centreOf(const QString &id)
    {
        const QJsonObject box = QJsonDocument::fromJson(
            evaluate(pane, u"JSON.stringify(document.getElementById('%1').getBoundingClientRect())"_s.arg(id))
                .toString()
                .toUtf8()).object();
        return QPoint(int(box.value(u"x"_s).toDouble() + box.value(u"width"_s).toDouble() / 2),
                      int(box.value(u"y"_s).toDouble() + box.value(u"height"_s).toDouble() / 2));
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(inputWidget(pane), key, modifiers);
    }

private slots:
    void init()
    {
        window = shownWindow(loopbackAddresses(closedPort()));
        browser = window->findChild<WebBrowser *>(u"WebBrowser1"_s);
        pane = engineView(browser);
    }

    void cleanup() { window.reset(); }

    void linksThatAskForANewWindow()
    {
        UrlRecorder defaultBrowser;
        show(linksPage);
        QTest::qWait(300);
        QVERIFY2(defaultBrowser.opened().isEmpty(), "a page opened a window without a click");

        QTest::mouseClick(inputWidget(pane), Qt::LeftButton, {}, centreOf(u"web"_s));
        QTRY_COMPARE(defaultBrowser.opened(), QList<QUrl>{QUrl(u"http://127.0.0.1:9/news"_s)});
        QTest::mouseClick(inputWidget(pane), Qt::LeftButton, {}, centreOf(u"mail"_s));
        QTRY_COMPARE(defaultBrowser.opened().size(), 2);
        QCOMPARE(defaultBrowser.opened().last(), QUrl(u"mailto:service@kelvaro.example"_s));
        QCOMPARE(pane->url(), linksPage);

        QTest::mouseClick(inputWidget(pane), Qt::LeftButton, {}, centreOf(u"local"_s));
        QVERIFY(waitForLoad(pane, otherPage));
        show(linksPage);
        QTest::mouseClick(inputWidget(pane), Qt::LeftButton, {}, centreOf(u"opener"_s));
        QVERIFY(waitForLoad(pane, otherPage));
        QCOMPARE(defaultBrowser.opened().size(), 2);
    }

    void zoomKeysWithinBounds()
    {
        show(linksPage);
        press(Qt::Key_Plus);
        QTRY_COMPARE(pane->zoomFactor(), 1.1);
        press(Qt::Key_Minus);
        press(Qt::Key_Minus);
        QTRY_COMPARE(pane->zoomFactor(), 0.9);
        for (int step = 0; step < 30; ++step)
            press(Qt::Key_Plus);
        QTRY_COMPARE(pane->zoomFactor(), 5.0);
        for (int step = 0; step < 30; ++step)
            press(Qt::Key_Minus);
        QTRY_COMPARE(pane->zoomFactor(), 0.25);
        press(Qt::Key_0);
        QTRY_COMPARE(pane->zoomFactor(), 1.0);

        QWidget *input = inputWidget(pane);
        QWheelEvent wheel(QPointF(50, 50), input->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(input, &wheel);
        QTRY_COMPARE(pane->zoomFactor(), 1.1);

        // Nothing is remembered: the next start begins at 100 %.
        window.reset();
        init();
        show(linksPage);
        QCOMPARE(pane->zoomFactor(), 1.0);
    }

    void selectAllAndCopyPassTheFilter()
    {
        show(linksPage);
        QGuiApplication::clipboard()->clear();
        press(Qt::Key_A);
        press(Qt::Key_C);
        QTRY_VERIFY(QGuiApplication::clipboard()->text().contains(u"尊重幼儿的人格"_s));
    }

    void findBarWalksThroughTheMatches()
    {
        show(linksPage);
        QSignalSpy found(pane->page(), &QWebEnginePage::findTextFinished);
        auto activeMatch = [&] {
            return found.isEmpty() ? -1 : found.last().value(0).value<QWebEngineFindTextResult>().activeMatch();
        };
        press(Qt::Key_F);
        auto *bar = browser->findChild<QWidget *>(u"findBar"_s);
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->geometry().bottom(), browser->height() - 1);
        auto *text = bar->findChild<QLineEdit *>(u"findText"_s);
        QTRY_VERIFY(text->hasFocus());
        // Typed as one key with its text, as an input method hands over Chinese.
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"幼儿"_s);
        QCoreApplication::sendEvent(text, &typed);
        QTRY_COMPARE(activeMatch(), 1);
        QCOMPARE(found.last().value(0).value<QWebEngineFindTextResult>().numberOfMatches(), 3);

        QTest::keyClick(text, Qt::Key_Return);
        QTRY_COMPARE(activeMatch(), 2);
        QTest::keyClick(text, Qt::Key_Return);
        QTRY_COMPARE(activeMatch(), 3);
        QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        QTRY_COMPARE(activeMatch(), 2);
        QTest::keyClick(text, Qt::Key_F3);
        QTRY_COMPARE(activeMatch(), 3);
        QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
        QTRY_COMPARE(activeMatch(), 2);
        QCOMPARE(bar->findChild<QLabel *>(u"findResult"_s)->text(), u"2/3"_s);

        QTest::keyClick(text, Qt::Key_Escape);
        QTRY_VERIFY(!bar->isVisible());
    }

    void printingGoesThroughThePrintDialog()
    {
        QTemporaryDir folder;
        const QString output = folder.filePath(u"page.pdf"_s);
        DialogAnswerer<QPrintDialog> printToFile([&](QPrintDialog *dialog) {
            // Qt's own dialog prints to a PDF file where no printer is set up: point its file field at ours.
            for (QLineEdit *field : dialog->findChildren<QLineEdit *>()) {
                if (field->text().endsWith(u".pdf"_s))
                    field->setText(output);
            }
            dialog->accept();
        });
        show(linksPage);
        QSignalSpy printed(pane, &QWebEngineView::printFinished);
        press(Qt::Key_P);
        QTRY_COMPARE(printToFile.answered, 1);
        QVERIFY(printed.wait(20000));
        QCOMPARE(printed.first().value(0).toBool(), true);
        QVERIFY(QFileInfo(output).size() > 0);
    }

    void pageCanAskToPrint()
    {
        DialogAnswerer<QPrintDialog> cancel([](QPrintDialog *dialog) { dialog->reject(); });
        show(linksPage);
        pane->page()->runJavaScript(u"window.print()"_s);
        QTRY_COMPARE(cancel.answered, 1);
    }

    void downloadsAreSavedWhereTheUserSays_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << true;
        QTest::newRow("cancelled") << false;
    }

    void downloadsAreSavedWhereTheUserSays()
    {
        QFETCH(bool, saved);
        QByteArray archive(200000, '\0');
        for (int index = 0; index < archive.size(); ++index)
            archive[index] = char(index * 7);
        LoopbackServer server(LoopbackServer::Page, archive,
                              "Content-Type: application/zip\r\nContent-Disposition: attachment; filename=\"notes.zip\"\r\n");
        QTemporaryDir folder;
        const QString target = folder.filePath(u"笔记 notes.zip"_s);
        QString suggested;
        DialogAnswerer<QFileDialog> answer([&](QFileDialog *dialog) {
            suggested = dialog->selectedFiles().value(0);
            if (saved) {
                // As a user would: go to the folder, type the name.
                dialog->setDirectory(folder.path());
                QTest::qWait(300);
                dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(QFileInfo(target).fileName());
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                dialog->reject();
            }
        });
        browser->Navigate(u"http://127.0.0.1:%1/notes.zip"_s.arg(server.port()));
        QTRY_COMPARE(answer.answered, 1);
        QVERIFY2(suggested.endsWith(u"notes.zip"_s), qPrintable(suggested));
        if (saved) {
            auto *note = browser->findChild<QLabel *>(u"downloadNote"_s);
            QTRY_VERIFY_WITH_TIMEOUT(note->text().startsWith(u"已下载"_s), 15000);
            QVERIFY2(QFileInfo(target).size() == archive.size(),
                     qPrintable(QDir(folder.path()).entryList(QDir::Files).join(u", "_s) + u" / "_s + note->text()));
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), archive);
        } else {
            QTest::qWait(1000);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
        }
    }

    void counterNeverDownloads()
    {
        window.reset();
        LoopbackServer counter(LoopbackServer::Page, "data",
                               "Content-Type: application/zip\r\nContent-Disposition: attachment; filename=\"x.zip\"\r\n");
        DialogAnswerer<QFileDialog> answer([](QFileDialog *dialog) { dialog->reject(); });
        window = shownWindow(loopbackAddresses(counter.port()));
        QVERIFY(counter.waitForRequests(1));
        QTest::qWait(1500);
        QCOMPARE(answer.answered, 0);
    }

    void pdfFilesAreShownInThePane()
    {
        QTemporaryDir folder;
        const QString paper = folder.filePath(u"真题.pdf"_s);
        {
            QPdfWriter writer(paper);
            QPainter painter(&writer);
            painter.drawText(QPointF(200, 200), u"2015年上半年真题"_s);
        }
        DialogAnswerer<QFileDialog> answer([](QFileDialog *dialog) { dialog->reject(); });
        QSignalSpy finished(pane, &QWebEngineView::loadFinished);
        browser->Navigate(paper);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.last().value(0).toBool(), true);
        QTest::qWait(500);
        QCOMPARE(answer.answered, 0);
    }

    void crashedPageReloadsOnceThenSaysSo()
    {
        show(otherPage);
        QWebEnginePage *page = pane->page();
        QTRY_VERIFY(page->renderProcessPid() > 0);
        const qint64 first = page->renderProcessPid();
        QVERIFY(::kill(pid_t(first), SIGKILL) == 0);
        QVERIFY(waitForLoad(pane, otherPage));
        QCOMPARE(pane->title(), u"other"_s);

        QTRY_VERIFY(page->renderProcessPid() > 0 && page->renderProcessPid() != first);
        QVERIFY(::kill(pid_t(page->renderProcessPid()), SIGKILL) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(pane->title(), u"页面无法显示"_s, 15000);
    }

    void counterIsLeftAloneWhenItsProcessEnds()
    {
        window.reset();
        LoopbackServer counter;
        window = shownWindow(loopbackAddresses(counter.port()));
        QVERIFY(counter.waitForRequests(1));
        QWebEnginePage *page = browserPage(window->findChild<QWidget *>(u"webcount"_s));
        QTRY_VERIFY(page->renderProcessPid() > 0);
        QSignalSpy loads(page, &QWebEnginePage::loadStarted);
        QSignalSpy ended(page, &QWebEnginePage::renderProcessTerminated);
        QVERIFY(::kill(pid_t(page->renderProcessPid()), SIGKILL) == 0);
        QVERIFY(ended.wait(10000));
        QTest::qWait(1000);
        QCOMPARE(loads.size(), 0);
        QCOMPARE(counter.requests().size(), 1);
    }
};

COURSE_TEST_MAIN(ReadingTest)
#include "tst_reading.moc"
