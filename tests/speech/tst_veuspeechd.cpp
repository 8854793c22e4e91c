#include "ErrorVeu.h"
#include "PreparacioSpeechd.h"
#include "RegistreVeus.h"
#include "ServeiFals.h"
#include "ServeiPropi.h"
#include "VeuSpeechd.h"
#include "VeusDelServei.h"

#include <QTest>

#include <limits>

// The desktop's speech service as the "Speech.SpVoice" object reaches it,
// against a service of the test's own with the espeak-ng module.
class TestVeuSpeechd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void llistaUnCopTotesLesVeus_data();
    void llistaUnCopTotesLesVeus();
    void triaUnaVeu();
    void parlaSenseQuedarsePenjat_data();
    void parlaSenseQuedarsePenjat();
    void senseServei_data();
    void senseServei();
    void serveiQueNoRespon();
    void serveiQuePenjaAlParlar();

private:
    static QProcessEnvironment Entorn(const QString &adreca);

    std::unique_ptr<ServeiPropi> m_servei;
    QStringList m_noms;
    // One object for the whole test: listing thousands of voices takes a
    // while under the sanitizers.
    std::unique_ptr<VeuSpeechd> m_objecte;
};

QProcessEnvironment TestVeuSpeechd::Entorn(const QString &adreca)
{
    QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment();
    entorn.insert(QStringLiteral("SPEECHD_ADDRESS"), adreca);
    return entorn;
}

void TestVeuSpeechd::initTestCase()
{
    if (!ServeiPropi::Instalat())
        QSKIP("speech-dispatcher with its espeak-ng module is not installed");
    m_servei = std::make_unique<ServeiPropi>();
    QVERIFY(m_servei->Esperar());
    QVERIFY(VeusDelServei(m_servei->Socol()).size() > 1000);
    m_noms = VeusDelServei(m_servei->Socol(), true);
    QVERIFY2(m_noms.size() > 100, qPrintable(QString::number(m_noms.size())));
    // Listing thirteen thousand voices under the sanitizers takes a while.
    FilSpeechd::setEsperaVeus(60000);
    m_objecte = VeuSpeechd::Crear(Entorn(m_servei->Adreca()));
}

void TestVeuSpeechd::cleanupTestCase()
{
    FilSpeechd::setEsperaVeus(700);
    m_objecte.reset();
    m_servei.reset();
}

// Made at once, or through the head start that the program takes on its
// own thread: the Catalan voices, then the Spanish ones, each in the
// service's order; none of the other languages'.
void TestVeuSpeechd::llistaUnCopTotesLesVeus_data()
{
    QTest::addColumn<bool>("preparat");
    QTest::newRow("at once") << false;
    QTest::newRow("head start") << true;
}

void TestVeuSpeechd::llistaUnCopTotesLesVeus()
{
    QFETCH(bool, preparat);
    std::unique_ptr<ObjecteVeu> preparada;
    if (preparat) {
        const PreparacioSpeechd preparacio(Entorn(m_servei->Adreca()));
        preparada = RegistreVeus::Crear(QStringLiteral("Speech.SpVoice"));
    }
    ObjecteVeu *objecte = preparat ? preparada.get() : m_objecte.get();
    const LlistaVeus veus = objecte->GetVoices();
    QCOMPARE(veus.Count(), m_noms.size());
    for (int i = 0; i < veus.Count(); ++i) {
        if (!veus.Item(i).GetDescription().startsWith(m_noms[i] + QStringLiteral(" - ")))
            QFAIL(qPrintable(QStringLiteral("%1: %2 for %3")
                                 .arg(i)
                                 .arg(veus.Item(i).GetDescription(), m_noms[i])));
    }
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, veus.Item(veus.Count()));
}

void TestVeuSpeechd::triaUnaVeu()
{
    ObjecteVeu *objecte = m_objecte.get();
    const LlistaVeus veus = objecte->GetVoices();
    const int catala = m_noms.indexOf(QStringLiteral("Catalan"));
    QVERIFY(catala >= 0);
    QCOMPARE(catala, 0);
    QCOMPARE(veus.Item(catala).GetDescription(), QStringLiteral("Catalan - Catalan (Spain)"));
    objecte->setVoice(veus.Item(catala));
    QVERIFY(QTest::qWaitFor(
        [&] { return m_servei->Registre().contains("SYNTHESIS_VOICE Catalan"); }, 10000));
    // Only voices of the list: the service itself takes any name.
    const Veu &catalana = veus.Item(catala);
    QVERIFY_THROWS_EXCEPTION(ErrorVeu,
                             objecte->setVoice(Veu("x", "x", catalana.locale(), catalana.motor())));
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, objecte->setVoice(Veu("x", catalana.nom(), catalana.locale(),
                                                             QStringLiteral("no-such-module"))));
}

// Each row: texts given without waiting, whether the one being said is then
// skipped, and the last text, for which the call waits.
void TestVeuSpeechd::parlaSenseQuedarsePenjat_data()
{
    QTest::addColumn<QStringList>("abans");
    QTest::addColumn<bool>("saltar");
    QTest::addColumn<QString>("darrer");
    QTest::newRow("one text") << QStringList() << false << "Set per vuit.";
    QTest::newRow("queued behind others")
        << QStringList{"Set per vuit.", "Cinquanta-sis."} << false << "Molt bé.";
    QTest::newRow("skipped") << QStringList{"Una frase prou llarga per tallar-la abans del final.",
                                            "I una altra que ja no es diu."}
                             << true << "Molt bé.";
    QTest::newRow("blank texts") << QStringList{"", "  "} << false << "";
}

void TestVeuSpeechd::parlaSenseQuedarsePenjat()
{
    QFETCH(QStringList, abans);
    QFETCH(bool, saltar);
    QFETCH(QString, darrer);
    ObjecteVeu *objecte = m_objecte.get();
    for (const QString &text : abans)
        objecte->Speak(text, ObjecteVeu::kAsincron);
    if (saltar)
        objecte->Skip(QStringLiteral("Sentence"), std::numeric_limits<int>::max());
    // Returns once the service reports the end of everything still to say.
    objecte->Speak(darrer, 0);
    const QByteArray registre = m_servei->Registre();
    if (!darrer.trimmed().isEmpty())
        QVERIFY(registre.contains(darrer.toUtf8()));
    if (saltar)
        QVERIFY(!registre.contains("I una altra"));
}

// Each row: the address; no object is made.
void TestVeuSpeechd::senseServei_data()
{
    QTest::addColumn<QString>("adreca");
    QTest::newRow("no socket") << "unix_socket:" + QDir::tempPath() + "/no-such-speechd.sock";
    QTest::newRow("not a socket") << "unix_socket:" + QFINDTESTDATA("tst_veuspeechd.cpp");
    QTest::newRow("unknown method") << "carrier_pigeon:x";
    QTest::newRow("no port") << "inet_socket:127.0.0.1:x";
}

void TestVeuSpeechd::senseServei()
{
    QFETCH(QString, adreca);
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, VeuSpeechd::Crear(Entorn(adreca)));
    const PreparacioSpeechd preparacio(Entorn(adreca));
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear(QStringLiteral("Speech.SpVoice")));
}

// A service that takes connections and never answers: no object, and the
// wait for it ends within its bound.
void TestVeuSpeechd::serveiQueNoRespon()
{
    const ServeiFals fals(ServeiFals::Mode::Mut);
    FilSpeechd::setEsperaVeus(200);
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, VeuSpeechd::Crear(Entorn(fals.Adreca())));
    {
        const PreparacioSpeechd preparacio(Entorn(fals.Adreca()));
        QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear(QStringLiteral("Speech.SpVoice")));
    }
    FilSpeechd::setEsperaVeus(60000);
}

// A service that lists its voices and then hangs at the first text: the
// list holds its Catalan and Spanish voices, Catalan first; what is said
// after the hang is dropped without waiting, and the object goes at once.
void TestVeuSpeechd::serveiQuePenjaAlParlar()
{
    const ServeiFals fals(ServeiFals::Mode::PenjaAlParlar);
    auto objecte = VeuSpeechd::Crear(Entorn(fals.Adreca()));
    const LlistaVeus veus = objecte->GetVoices();
    QStringList descripcions;
    for (int i = 0; i < veus.Count(); ++i)
        descripcions << veus.Item(i).GetDescription();
    QCOMPARE(descripcions, (QStringList{"Catalan - Catalan (Spain)", "Catalan+Adam - Catalan (Spain)",
                                        "Spanish (Spain) - Spanish (Spain)",
                                        "Spanish (Latin America) - Spanish (Latin America)"}));
    objecte->setVoice(veus.Item(1));
    QVERIFY(QTest::qWaitFor(
        [&] { return fals.Ordres().contains("SET SELF SYNTHESIS_VOICE Catalan+Adam"); }, 10000));

    objecte->Speak(QStringLiteral("Set per vuit."), ObjecteVeu::kAsincron);
    QVERIFY(QTest::qWaitFor(
        [&] { return !fals.Ordres().filter("SPEAK", Qt::CaseInsensitive).isEmpty(); }, 10000));
    for (int i = 0; i < 20; ++i)
        objecte->Speak(QStringLiteral("Cinquanta-sis."), ObjecteVeu::kAsincron);
    objecte->Speak(QStringLiteral("Bé."), ObjecteVeu::kAsincron | ObjecteVeu::kBuidarAbans);
    objecte->Skip(QStringLiteral("Sentence"), std::numeric_limits<int>::max());
    // Even waiting for the end of speech ends: the service counts as hung.
    objecte->Speak(QStringLiteral("Molt bé."), 0);
    objecte.reset();
    QCOMPARE(fals.Ordres().filter("SPEAK", Qt::CaseInsensitive).size(), 1);
}

QTEST_GUILESS_MAIN(TestVeuSpeechd)
#include "tst_veuspeechd.moc"
