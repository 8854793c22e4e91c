#include "ErrorVeu.h"
#include "RegistreVeus.h"

#include <QTest>
#include <QTextToSpeech>

// The desktop engines behind the two class names, as far as this machine
// has them: every locale's voices are listed, and each can be set again.
class TestVeuQt : public QObject
{
    Q_OBJECT

private slots:
    void veusDeTotsElsLocales();
    void motorDesconegut();
};

void TestVeuQt::veusDeTotsElsLocales()
{
    if (!QTextToSpeech::availableEngines().contains("flite"))
        QSKIP("no flite engine here");
    const auto objecte = RegistreVeus::Crear("SAPI.SpVoice");
    QTextToSpeech motor("flite");
    qsizetype esperat = 0;
    for (const QLocale &locale : motor.availableLocales()) {
        motor.setLocale(locale);
        esperat += motor.availableVoices().size();
    }
    const LlistaVeus veus = objecte->GetVoices();
    QCOMPARE(veus.Count(), esperat);
    for (int i = 0; i < veus.Count(); ++i) {
        QVERIFY(!veus.Item(i).GetDescription().isEmpty());
        objecte->setVoice(veus.Item(i));
    }
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, veus.Item(veus.Count()));
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, objecte->setVoice(Veu("x", "no such voice", QLocale::c())));
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, objecte->Skip("Word", 1));
}

void TestVeuQt::motorDesconegut()
{
    RegistreVeus::Registrar("Prova.SpVoice", [] { return RegistreVeus::Crear("Cap.SpVoice"); });
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear("Prova.SpVoice"));
}

QTEST_GUILESS_MAIN(TestVeuQt)
#include "tst_veuqt.moc"
