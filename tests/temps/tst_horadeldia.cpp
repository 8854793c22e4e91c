#include "HoraDelDia.h"

#include <QtTest>

// The record's time lines carry the time of day without the zone's name.
class TestHoraDelDia : public QObject
{
    Q_OBJECT

private slots:
    void zoneIsLeftOut_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("sense");
        QTest::newRow("zone after a blank") << "HH:mm:ss t" << "HH:mm:ss";
        QTest::newRow("zone in brackets") << "H:mm:ss (t)" << "H:mm:ss";
        QTest::newRow("long zone name") << "h:mm:ss AP tttt" << "h:mm:ss AP";
        QTest::newRow("zone first") << "t HH:mm" << "HH:mm";
        QTest::newRow("quoted t kept") << "H 'it' mm" << "H 'it' mm";
        QTest::newRow("quoted quote") << "H''mm t" << "H''mm";
        QTest::newRow("no zone") << "HH:mm:ss" << "HH:mm:ss";
    }
    void zoneIsLeftOut()
    {
        QFETCH(QString, format);
        QFETCH(QString, sense);
        QCOMPARE(FormatSenseZona(format), sense);
    }

    void catalanAndSpanishDesktops_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("Catalan") << "ca_ES";
        QTest::newRow("Spanish") << "es_ES";
        QTest::newRow("English") << "en_US";
    }
    void catalanAndSpanishDesktops()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        const QString text = HoraLlarga(l, QTime(15, 4, 5));
        QVERIFY2(text.contains(QLatin1String("04:05")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("UTC")) && !text.contains(QLatin1Char('(')),
                 qPrintable(text));
        QCOMPARE(text, text.trimmed());
    }
};

QTEST_MAIN(TestHoraDelDia)
#include "tst_horadeldia.moc"
