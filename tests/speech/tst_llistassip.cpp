#include "ErrorVeu.h"
#include "LlistaSsip.h"
#include "ServeiFals.h"

#include <QTest>

// The service's voice-list reply, read as it arrives: in pieces that may
// end anywhere, even inside a line.
class TestLlistaSsip : public QObject
{
    Q_OBJECT

private slots:
    void analitzar_data();
    void analitzar();
    void respostaDError();
    void delServei();
};

void TestLlistaSsip::analitzar_data()
{
    QTest::addColumn<QByteArray>("resposta");
    QTest::addColumn<QStringList>("veus"); // "name|language"

    const QByteArray completa = "249-Afrikaans\taf\tnone\r\n"
                                "249-Chinese (Cantonese, latin as Jyutping)+male1\tyue\tmale1\r\n"
                                "249-Català\tca\tnone\r\n"
                                "249 OK VOICE LIST SENT\r\n";
    const QStringList veus{"Afrikaans|af", "Chinese (Cantonese, latin as Jyutping)+male1|yue",
                           "Català|ca"};
    QTest::newRow("whole") << completa << veus;
    QTest::newRow("no voices") << QByteArray("249 OK VOICE LIST SENT\r\n") << QStringList();
    QTest::newRow("no variant") << QByteArray(
                                       "249-Veu\tes\r\n249-Nua\r\n249 OK VOICE LIST SENT\r\n")
                                << QStringList{"Veu|es", "Nua|"};
}

void TestLlistaSsip::analitzar()
{
    QFETCH(QByteArray, resposta);
    QFETCH(QStringList, veus);
    // Every way of cutting the reply in two gives the same voices.
    for (qsizetype tall = 0; tall <= resposta.size(); ++tall) {
        QByteArray dades = resposta.left(tall);
        QList<LlistaSsip::VeuSsip> llegides;
        bool acabada = LlistaSsip::Analitzar(dades, llegides);
        QCOMPARE(acabada, tall == resposta.size());
        dades += resposta.mid(tall);
        acabada = acabada || LlistaSsip::Analitzar(dades, llegides);
        QVERIFY(acabada);
        QVERIFY(dades.isEmpty());
        QStringList text;
        for (const auto &veu : llegides)
            text << QString::fromUtf8(veu.nom + '|' + veu.llengua);
        QCOMPARE(text, veus);
    }
}

void TestLlistaSsip::respostaDError()
{
    QByteArray dades = "249-Veu\tes\tnone\r\n"
                       "300-ERR INTERNAL\r\n";
    QList<LlistaSsip::VeuSsip> veus;
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, LlistaSsip::Analitzar(dades, veus));
    QVERIFY(!LlistaSsip::Veus("/no/such/socket", 1000));
}

// A whole listing against a service of the test's own: every module's
// voices when it answers; none, once the bound has passed, when it takes
// the connection and never answers.
void TestLlistaSsip::delServei()
{
    {
        const ServeiFals fals(ServeiFals::Mode::Respon);
        const auto veus = LlistaSsip::Veus(QFile::encodeName(fals.Socol()), 10000);
        QVERIFY(veus);
        QStringList text;
        for (const auto &veu : *veus)
            text << QString::fromUtf8(veu.modul + '|' + veu.nom + '|' + veu.llengua);
        QCOMPARE(text.size(), ServeiFals::VeusPerDefecte().size());
        QCOMPARE(text.at(3), "fals|Catalan|ca");
        QVERIFY(QTest::qWaitFor([&] { return fals.Ordres().contains("QUIT"); }, 10000));
    }
    const ServeiFals mut(ServeiFals::Mode::Mut);
    QVERIFY(!LlistaSsip::Veus(QFile::encodeName(mut.Socol()), 200));
}

QTEST_GUILESS_MAIN(TestLlistaSsip)
#include "tst_llistassip.moc"
