#include "ErrorVeu.h"
#include "RegistreVeus.h"
#include "VeuQt.h"

#include <QTest>
#include <QTextToSpeech>

// The desktop engines of Qt TextToSpeech behind "SAPI.SpVoice", as far as
// this machine has them: only voices of Catalan or Spanish count.
class TestVeuQt : public QObject
{
    Q_OBJECT

private slots:
    void nomesCatalaIEspanyol();
    void motorDesconegut();
};

void TestVeuQt::nomesCatalaIEspanyol()
{
    if (!QTextToSpeech::availableEngines().contains("flite"))
        QSKIP("no flite engine here");
    // flite speaks only English: its object lists nothing of ours, and the
    // class makes no object of it.
    VeuQt flite(QStringLiteral("flite"));
    QCOMPARE(flite.GetVoices().Count(), 0);
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, flite.setVoice(Veu("x", "no such voice", QLocale::c())));
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, flite.Skip("Word", 1));
    bool altre = false;
    for (const QString &motor : QTextToSpeech::availableEngines())
        altre = altre || (motor != "flite" && motor != "speechd");
    if (!altre)
        QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear("SAPI.SpVoice"));
}

void TestVeuQt::motorDesconegut()
{
    RegistreVeus::Registrar("Prova.SpVoice", [] { return RegistreVeus::Crear("Cap.SpVoice"); });
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear("Prova.SpVoice"));
}

QTEST_GUILESS_MAIN(TestVeuQt)
#include "tst_veuqt.moc"
