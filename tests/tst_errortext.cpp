#include "app/ErrorText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ErrorTextTest : public QObject
{
    Q_OBJECT

private slots:
    void fullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << u"Access denied"_s << u"Access denied."_s;
        QTest::newRow("digit") << u"Error 5"_s << u"Error 5."_s;
        QTest::newRow("full stop kept") << u"Done."_s << u"Done."_s;
        QTest::newRow("exclamation kept") << u"Stop!"_s << u"Stop!"_s;
        QTest::newRow("comma sorts before the stop") << u"a,"_s << u"a,"_s;
        QTest::newRow("space sorts before the stop") << u"trailing "_s << u"trailing "_s;
        QTest::newRow("closing parenthesis sorts before") << u"(x)"_s << u"(x)"_s;
        QTest::newRow("slash sorts after") << u"path/"_s << u"path/."_s;
        QTest::newRow("colon sorts after") << u"reason:"_s << u"reason:."_s;
        QTest::newRow("question mark sorts after") << u"why?"_s << u"why?."_s;
        QTest::newRow("empty stays empty") << QString() << QString();
        QTest::newRow("chinese text") << u"无法打开页面"_s << u"无法打开页面."_s;
        QTest::newRow("chinese full stop kept") << u"无法打开页面。"_s << u"无法打开页面。"_s;
        QTest::newRow("chinese exclamation kept") << u"出错了！"_s << u"出错了！"_s;
        QTest::newRow("chinese question kept") << u"为什么？"_s << u"为什么？"_s;
        QTest::newRow("other full-width mark gets one") << u"（注）"_s << u"（注）."_s;
    }

    void fullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }
};

QTEST_APPLESS_MAIN(ErrorTextTest)
#include "tst_errortext.moc"
