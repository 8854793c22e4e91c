#include "FitxerConfiguracio.h"
#include "MotorsDeVeu.h"
#include "Rellotge.h"
#include "VeuFalsa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString kWav = QStringLiteral("tts to Wav");

// The reader program as the sound-file request sees it. Its window shows up
// `finestraDesDe` searches after the first one (-1: never).
class LectorFals : public LectorExtern
{
public:
    explicit LectorFals(QStringList &registre, int finestraDesDe)
        : m_registre(registre), m_finestraDesDe(finestraDesDe)
    {
    }
    bool BuscarFinestra(const QString &titol) override
    {
        m_trobada = m_finestraDesDe >= 0 && m_cerques++ >= m_finestraDesDe;
        m_registre << QStringLiteral("find %1 %2").arg(titol).arg(m_trobada);
        return m_trobada;
    }
    void EnviarMissatge(int missatge) override
    {
        if (m_trobada)
            m_registre << QStringLiteral("send %1").arg(missatge);
    }
    void PortarAlDavant() override
    {
        if (m_trobada)
            m_registre << QStringLiteral("front");
    }
    bool Executar(const QStringList &arguments) override
    {
        m_registre << QStringLiteral("run %1").arg(arguments.join(' '));
        return true;
    }

private:
    QStringList &m_registre;
    int m_finestraDesDe;
    int m_cerques = 0;
    bool m_trobada = false;
};

} // namespace

class TestMotorsDeVeu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void llistaEnOrdre();
    void unaLlistaPerLlistatIPerEleccio_data();
    void unaLlistaPerLlistatIPerEleccio();
    void objecteQueFallaAMitjaLlista_data();
    void objecteQueFallaAMitjaLlista();
    void regleDeGrup_data();
    void regleDeGrup();
    void entradesUPCTV_data();
    void entradesUPCTV();
    void mateixaEntradaNoRecarrega();
    void versio5NoIniciaTemporitzador();
    void restaurar_data();
    void restaurar();
    void restaurarForaDeLlistaAplicaCap();
    void parlar_data();
    void parlar();
    void parlarAmbObjecteQueFalla();
    void anunciar_data();
    void anunciar();
    void callar_data();
    void callar();
    void escripturaQueFallaArribaAlGestor();
    void wavAmbEntradaUPCTV();
    void wavAmbLectorObert();
    void wavEngegaElLector_data();
    void wavEngegaElLector();
    void classesDesconegudes();

private:
    void Preparar(int msp, int sapi, bool upctv);
    QString Clau(const QString &seccio, const QString &clau) const;
    QStringList RegistreBiblioteca() const;
    QString CamiFals() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FitxerConfiguracio> m_config;
    std::unique_ptr<MotorsDeVeu> m_motors;
    std::shared_ptr<ConfiguracioVeuFalsa> m_msp;
    std::shared_ptr<ConfiguracioVeuFalsa> m_sapi;
    QStringList m_entrades;
    QStringList m_lector;
};

void TestMotorsDeVeu::initTestCase()
{
    Rellotge::setAcceleracio(100);
}

void TestMotorsDeVeu::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("UPCTV_FALS_REGISTRE", m_dir->filePath("biblioteca.log").toLocal8Bit());
    m_config = std::make_unique<FitxerConfiguracio>(m_dir->filePath("trimbol.ini"));
    m_motors = std::make_unique<MotorsDeVeu>(*m_config);
    m_motors->setCamiFamilia(m_dir->filePath("projectevorelk.ini"));
    m_motors->setLectorExtern(std::make_unique<LectorFals>(m_lector, -1));
    m_lector.clear();
}

void TestMotorsDeVeu::cleanup()
{
    m_motors.reset();
    RegistreVeus::Restablir();
}

QString TestMotorsDeVeu::CamiFals() const
{
    return QCoreApplication::applicationDirPath() + "/libupctv_fals.so";
}

void TestMotorsDeVeu::Preparar(int msp, int sapi, bool upctv)
{
    QStringList m, s;
    for (int i = 0; i < msp; ++i)
        m << QStringLiteral("Veu M%1").arg(i);
    for (int i = 0; i < sapi; ++i)
        s << QStringLiteral("Veu S%1").arg(i);
    m_msp = VeuFalsa::Registrar("Speech.SpVoice", m);
    m_sapi = VeuFalsa::Registrar("SAPI.SpVoice", s);
    m_motors->UPCTV().setFitxer(upctv ? CamiFals() : m_dir->filePath("cap.so"));
    m_entrades = m_motors->LlistarVeus() + m_motors->PrepararUPCTV();
}

QString TestMotorsDeVeu::Clau(const QString &seccio, const QString &clau) const
{
    return m_config->ReadString(seccio, clau, QStringLiteral("<none>"));
}

QStringList TestMotorsDeVeu::RegistreBiblioteca() const
{
    QFile f(m_dir->filePath("biblioteca.log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestMotorsDeVeu::llistaEnOrdre()
{
    Preparar(2, 3, true);
    const QStringList esperat{"Veu M0",
                              "Veu M1",
                              "SAPI - Veu S0",
                              "SAPI - Veu S1",
                              "SAPI - Veu S2",
                              "UPCTV - Home - Català",
                              "UPCTV - Dona - Català",
                              "UPCTV - Hombre - Español",
                              "UPCTV - Mujer - Español"};
    QCOMPARE(m_entrades, esperat);
    QCOMPARE(m_motors->NumVeusMSP, 2);
    QCOMPARE(m_motors->NumVeusSAPI, 3);
    QVERIFY(m_motors->MSPDisponible && m_motors->SAPIDisponible && m_motors->UPCTVCarregat);
    QCOMPARE(m_motors->NombreEntrades(), 9);
    // Loading sets the normal rate and nothing else.
    QCOMPARE(RegistreBiblioteca(), (QStringList{"load", "speed 100"}));
}

// Asking an object for its voices is a round trip to the engine, and a
// desktop service may have thousands: the listing asks each object once,
// and so does each applied choice, however many voices there are.
void TestMotorsDeVeu::unaLlistaPerLlistatIPerEleccio_data()
{
    QTest::addColumn<int>("msp");
    QTest::addColumn<int>("sapi");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one each") << 1 << 1;
    QTest::newRow("many") << 500 << 3;
}

void TestMotorsDeVeu::unaLlistaPerLlistatIPerEleccio()
{
    QFETCH(int, msp);
    QFETCH(int, sapi);
    Preparar(msp, sapi, false);
    QCOMPARE(m_entrades.size(), msp + sapi);
    QCOMPARE(m_msp->preguntesLlista, 1);
    QCOMPARE(m_sapi->preguntesLlista, 1);
    if (msp > 0) {
        m_motors->ListBoxMotorsDeVeuClick(msp - 1);
        QCOMPARE(m_msp->registre, QStringList{QStringLiteral("Voice Veu M%1").arg(msp - 1)});
        QCOMPARE(m_msp->preguntesLlista, 2);
    }
    if (sapi > 0) {
        m_motors->ListBoxMotorsDeVeuClick(msp);
        QCOMPARE(m_sapi->registre, QStringList{"Voice Veu S0"});
        QCOMPARE(m_sapi->preguntesLlista, 2);
    }
}

void TestMotorsDeVeu::objecteQueFallaAMitjaLlista_data()
{
    QTest::addColumn<bool>("fallarEnCrear");
    QTest::addColumn<int>("fallarEnGetVoices");
    QTest::addColumn<QStringList>("entrades");
    QTest::addColumn<bool>("objecte");

    QTest::newRow("creation") << true << -1 << QStringList{"SAPI - Veu S0"} << false;
    QTest::newRow("the list") << false << 0 << QStringList{"SAPI - Veu S0"} << true;
}

void TestMotorsDeVeu::objecteQueFallaAMitjaLlista()
{
    QFETCH(bool, fallarEnCrear);
    QFETCH(int, fallarEnGetVoices);
    QFETCH(QStringList, entrades);
    QFETCH(bool, objecte);

    m_msp = VeuFalsa::Registrar("Speech.SpVoice", {"Veu M0", "Veu M1", "Veu M2", "Veu M3"});
    m_msp->fallarEnCrear = fallarEnCrear;
    m_msp->fallarEnGetVoices = fallarEnGetVoices;
    m_sapi = VeuFalsa::Registrar("SAPI.SpVoice", {"Veu S0"});
    QCOMPARE(m_motors->LlistarVeus(), entrades);
    QVERIFY(!m_motors->MSPDisponible);
    QVERIFY(m_motors->SAPIDisponible);
    QCOMPARE(m_motors->VeuMSP != nullptr, objecte);
    // The count matches the entries listed, so the SAPI entry after them is
    // still applied as the SAPI voice.
    QCOMPARE(m_motors->NumVeusMSP, entrades.size() - 1);
    m_motors->ListBoxMotorsDeVeuClick(entrades.size() - 1);
    QCOMPARE(Clau(kWav, "Tipus de sintetitzador"), "SAPI");
    QCOMPARE(Clau(kWav, "Sintetitzador"), "0");
    QCOMPARE(m_sapi->registre, QStringList{"Voice Veu S0"});
}

void TestMotorsDeVeu::regleDeGrup_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QString>("tipus");
    QTest::addColumn<QString>("sintetitzador");
    QTest::addColumn<QStringList>("veusMSP");
    QTest::addColumn<QStringList>("veusSAPI");

    // 2 MSP voices (0, 1), 3 SAPI voices (2 to 4), the library's entries (5 to 8).
    QTest::newRow("none") << -1 << "MSP"
                          << "-1" << QStringList{} << QStringList{};
    QTest::newRow("first MSP") << 0 << "MSP"
                               << "0" << QStringList{"Voice Veu M0"} << QStringList{};
    QTest::newRow("last MSP") << 1 << "MSP"
                              << "1" << QStringList{"Voice Veu M1"} << QStringList{};
    QTest::newRow("first SAPI") << 2 << "SAPI"
                                << "0" << QStringList{} << QStringList{"Voice Veu S0"};
    QTest::newRow("last SAPI") << 4 << "SAPI"
                               << "2" << QStringList{} << QStringList{"Voice Veu S2"};
    QTest::newRow("first library") << 5 << "UPCTV"
                                   << "<none>" << QStringList{} << QStringList{};
    QTest::newRow("last library") << 8 << "UPCTV"
                                  << "<none>" << QStringList{} << QStringList{};
}

void TestMotorsDeVeu::regleDeGrup()
{
    QFETCH(int, p);
    QFETCH(QString, tipus);
    QFETCH(QString, sintetitzador);
    QFETCH(QStringList, veusMSP);
    QFETCH(QStringList, veusSAPI);

    Preparar(2, 3, true);
    m_motors->ListBoxMotorsDeVeuClick(p);
    QCOMPARE(Clau(kWav, "Tipus de sintetitzador"), tipus);
    QCOMPARE(Clau(kWav, "Sintetitzador"), sintetitzador);
    QCOMPARE(m_msp->registre, veusMSP);
    QCOMPARE(m_sapi->registre, veusSAPI);
    QCOMPARE(m_motors->TipusSintetitzador(p), tipus);
}

void TestMotorsDeVeu::entradesUPCTV_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QStringList>("crides");

    const QStringList recarrega{"stop", "unload", "load", "speed 100"};
    QTest::newRow("Home - Catala") << 5 << recarrega + QStringList{"language 99", "speaker 0"};
    QTest::newRow("Dona - Catala") << 6 << recarrega + QStringList{"language 99", "speaker 2"};
    QTest::newRow("Hombre - Espanol") << 7 << recarrega + QStringList{"language 101", "speaker 1"};
    QTest::newRow("Mujer - Espanol") << 8 << recarrega + QStringList{"language 101", "speaker 0"};
}

void TestMotorsDeVeu::entradesUPCTV()
{
    QFETCH(int, p);
    QFETCH(QStringList, crides);

    Preparar(2, 3, true);
    m_motors->ListBoxMotorsDeVeuClick(p);
    QCOMPARE(RegistreBiblioteca().mid(2), crides);
    QCOMPARE(m_motors->VeuUPCTVActual, p - 5);
    QVERIFY(m_motors->TimerTreureFinestraUPCTV->isActive());
}

void TestMotorsDeVeu::mateixaEntradaNoRecarrega()
{
    Preparar(0, 0, true);
    m_motors->ListBoxMotorsDeVeuClick(1);
    m_motors->ListBoxMotorsDeVeuClick(1);
    QCOMPARE(RegistreBiblioteca().count("load"), 2);
    m_motors->ListBoxMotorsDeVeuClick(0);
    QCOMPARE(RegistreBiblioteca().count("load"), 3);
    QCOMPARE(RegistreBiblioteca().last(), "speaker 0");
}

void TestMotorsDeVeu::versio5NoIniciaTemporitzador()
{
    m_motors->VersioPrincipalWindows = 5;
    Preparar(0, 0, true);
    QVERIFY(!m_motors->TimerTreureFinestraUPCTV->isActive());
    m_motors->ListBoxMotorsDeVeuClick(2);
    QVERIFY(!m_motors->TimerTreureFinestraUPCTV->isActive());
    QCOMPARE(RegistreBiblioteca().last(), "speaker 1");
}

void TestMotorsDeVeu::restaurar_data()
{
    QTest::addColumn<QString>("emmagatzemat");
    QTest::addColumn<int>("fila");
    QTest::addColumn<bool>("aplicar");

    QTest::newRow("default") << "-1" << 0 << false;
    QTest::newRow("negative") << "-7" << 0 << false;
    QTest::newRow("not a number") << "abc" << -1 << false;
    QTest::newRow("empty") << "" << -1 << false;
    QTest::newRow("too large for an int") << "99999999999" << -1 << false;
    QTest::newRow("first") << "0" << 0 << true;
    QTest::newRow("last") << "8" << 8 << true;
    QTest::newRow("one beyond") << "9" << -1 << true;
    QTest::newRow("far beyond") << "12" << -1 << true;
}

void TestMotorsDeVeu::restaurar()
{
    QFETCH(QString, emmagatzemat);
    QFETCH(int, fila);
    QFETCH(bool, aplicar);
    const auto r = MotorsDeVeu::RestaurarEleccio(emmagatzemat, 9);
    QCOMPARE(r.fila, fila);
    QCOMPARE(r.aplicar, aplicar);
}

void TestMotorsDeVeu::restaurarForaDeLlistaAplicaCap()
{
    Preparar(2, 3, true);
    const auto r = MotorsDeVeu::RestaurarEleccio("12", m_motors->NombreEntrades());
    QVERIFY(r.aplicar);
    m_motors->ListBoxMotorsDeVeuClick(r.fila);
    QCOMPARE(Clau(kWav, "Tipus de sintetitzador"), "MSP");
    QCOMPARE(Clau(kWav, "Sintetitzador"), "-1");
    QVERIFY(m_msp->registre.isEmpty());
}

void TestMotorsDeVeu::parlar_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QStringList>("parlaMSP");
    QTest::addColumn<QStringList>("parlaSAPI");
    QTest::addColumn<bool>("biblioteca");

    QTest::newRow("none") << -1 << QStringList{"Speak 7 per 8 1"} << QStringList{} << false;
    QTest::newRow("MSP") << 1 << QStringList{"Speak 7 per 8 1"} << QStringList{} << false;
    QTest::newRow("SAPI") << 2 << QStringList{} << QStringList{"Speak 7 per 8 1"} << false;
    QTest::newRow("library") << 5 << QStringList{} << QStringList{} << true;
}

void TestMotorsDeVeu::parlar()
{
    QFETCH(int, p);
    QFETCH(QStringList, parlaMSP);
    QFETCH(QStringList, parlaSAPI);
    QFETCH(bool, biblioteca);

    Preparar(2, 3, true);
    m_motors->Parlar(p, "7 per 8");
    QCOMPARE(m_msp->registre, parlaMSP);
    QCOMPARE(m_sapi->registre, parlaSAPI);
    QCOMPARE(RegistreBiblioteca().contains("read 3720706572203820"), biblioteca);
}

void TestMotorsDeVeu::parlarAmbObjecteQueFalla()
{
    Preparar(1, 0, false);
    m_msp->fallarEnSpeak = true;
    m_motors->Parlar(0, "hola");
    QVERIFY(m_msp->registre.isEmpty());
    // No object at all: nothing happens either.
    m_motors->VeuMSP.reset();
    m_motors->Parlar(-1, "hola");
    QVERIFY(m_msp->registre.isEmpty());
}

void TestMotorsDeVeu::anunciar_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QStringList>("parlaMSP");
    QTest::addColumn<QStringList>("parlaSAPI");
    QTest::addColumn<QStringList>("biblioteca");

    // A voice object drops what waits and speaks at once, in the background.
    const QStringList ara{"Speak Esborrar 3"};
    QTest::newRow("none") << -1 << ara << QStringList{} << QStringList{};
    QTest::newRow("MSP") << 1 << ara << QStringList{} << QStringList{};
    QTest::newRow("SAPI") << 2 << QStringList{} << ara << QStringList{};
    // The library is stopped and given the text; nothing waits for it.
    QTest::newRow("library") << 5 << QStringList{} << QStringList{}
                             << QStringList{"stop", "read 6573626F7272617220"};
}

void TestMotorsDeVeu::anunciar()
{
    QFETCH(int, p);
    QFETCH(QStringList, parlaMSP);
    QFETCH(QStringList, parlaSAPI);
    QFETCH(QStringList, biblioteca);

    Preparar(2, 3, true);
    const qsizetype abans = RegistreBiblioteca().size();
    m_motors->Anunciar(p, "Esborrar");
    QCOMPARE(m_msp->registre, parlaMSP);
    QCOMPARE(m_sapi->registre, parlaSAPI);
    QCOMPARE(RegistreBiblioteca().mid(abans), biblioteca);
    // Nothing is written: a scan step is no stop of speech.
    QCOMPARE(Clau("tts", "ESTIC LLEGINT"), QStringLiteral("<none>"));
}

void TestMotorsDeVeu::callar_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QStringList>("mspSkip");
    QTest::addColumn<QStringList>("sapiSkip");
    QTest::addColumn<bool>("stop");

    const QStringList skip{"Skip Sentence 2147483647"};
    QTest::newRow("MSP") << 0 << skip << QStringList{} << false;
    QTest::newRow("SAPI") << 4 << QStringList{} << skip << false;
    QTest::newRow("library") << 6 << QStringList{} << QStringList{} << true;
}

void TestMotorsDeVeu::callar()
{
    QFETCH(int, p);
    QFETCH(QStringList, mspSkip);
    QFETCH(QStringList, sapiSkip);
    QFETCH(bool, stop);

    Preparar(2, 3, true);
    m_motors->Callar(p);
    QCOMPARE(m_msp->registre, mspSkip);
    QCOMPARE(m_sapi->registre, sapiSkip);
    QCOMPARE(RegistreBiblioteca().contains("stop"), stop);
    QCOMPARE(Clau("tts", "ESTIC LLEGINT"), "0");
}

void TestMotorsDeVeu::escripturaQueFallaArribaAlGestor()
{
    Preparar(2, 0, false);
    // A folder where the file should be: every write is refused.
    QVERIFY(QDir(m_dir->path()).mkdir("trimbol.ini"));
    QVERIFY_THROWS_EXCEPTION(ErrorEscriptura, m_motors->ListBoxMotorsDeVeuClick(1));
    // The handler stops at the failed write: the voice is not set.
    QVERIFY(m_msp->registre.isEmpty());
    QVERIFY_THROWS_EXCEPTION(ErrorEscriptura, m_motors->Callar(0));
    QVERIFY_THROWS_EXCEPTION(ErrorEscriptura, m_motors->ButtonWavClick(0, "x"));
    QVERIFY(m_lector.isEmpty());
}

void TestMotorsDeVeu::wavAmbEntradaUPCTV()
{
    Preparar(1, 1, true);
    m_motors->ButtonWavClick(3, "Hola");
    QFile f(m_dir->filePath("trimbol.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    const QString dir = QCoreApplication::applicationDirPath() + "/";
    QCOMPARE(text.split('\n', Qt::SkipEmptyParts),
             (QStringList{"[tts to Wav]", "WAV DIR=" + dir, "WAV=ParlarTTS.wav", "WAV TEXT=Hola"}));
    QVERIFY(m_lector.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath("projectevorelk.ini")));
}

void TestMotorsDeVeu::wavAmbLectorObert()
{
    Preparar(1, 2, false);
    m_motors->setLectorExtern(std::make_unique<LectorFals>(m_lector, 0));
    m_motors->ButtonWavClick(2, "Hola");
    QFile f(m_dir->filePath("trimbol.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList linies = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(linies.mid(2), (QStringList{"WAV=ParlarTTS.wav", "WAV TEXT=Hola",
                                         "Tipus de sintetitzador=SAPI", "Sintetitzador=1"}));
    const QString cerca = "find " + MotorsDeVeu::kTitolLector;
    QCOMPARE(m_lector, (QStringList{cerca + " 1", "send 1032", "front"}));
    FitxerConfiguracio familia(m_dir->filePath("projectevorelk.ini"));
    QCOMPARE(familia.ReadString("QUELVOX", "brenquil", "<none>"), "1");
    QCOMPARE(familia.ReadString("QUELVOX", "Programa executant-se", "<none>"), "<none>");
}

void TestMotorsDeVeu::wavEngegaElLector_data()
{
    QTest::addColumn<int>("finestraDesDe");
    QTest::addColumn<QStringList>("crides");

    const QString cerca = "find " + MotorsDeVeu::kTitolLector;
    QTest::newRow("window appears") << 1 << QStringList{cerca + " 0", "run VORELK", cerca + " 1",
                                                        "send 1025",  "send 1032",  "front"};
    QTest::newRow("no reader") << -1 << QStringList{cerca + " 0", "run VORELK", cerca + " 0"};
}

void TestMotorsDeVeu::wavEngegaElLector()
{
    QFETCH(int, finestraDesDe);
    QFETCH(QStringList, crides);

    Preparar(2, 0, false);
    m_motors->setLectorExtern(std::make_unique<LectorFals>(m_lector, finestraDesDe));
    m_motors->ButtonWavClick(1, "Prova");
    QCOMPARE(m_lector, crides);
    QCOMPARE(Clau(kWav, "Tipus de sintetitzador"), "MSP");
    QCOMPARE(Clau(kWav, "Sintetitzador"), "1");
    FitxerConfiguracio familia(m_dir->filePath("projectevorelk.ini"));
    QCOMPARE(familia.ReadString("QUELVOX", "brenquil", "<none>"), "1");
    QCOMPARE(familia.ReadString("QUELVOX", "Programa executant-se", "<none>"), "1");
}

void TestMotorsDeVeu::classesDesconegudes()
{
    // Without the classes the lists are empty, and nothing else breaks.
    RegistreVeus::Registrar("Speech.SpVoice", [] { return std::unique_ptr<ObjecteVeu>(); });
    RegistreVeus::Registrar("SAPI.SpVoice", [] { return std::unique_ptr<ObjecteVeu>(); });
    m_motors->UPCTV().setFitxer(m_dir->filePath("cap.so"));
    QVERIFY(m_motors->LlistarVeus().isEmpty());
    QVERIFY(m_motors->PrepararUPCTV().isEmpty());
    QVERIFY(!m_motors->MSPDisponible && !m_motors->SAPIDisponible && !m_motors->UPCTVCarregat);
    QVERIFY(!m_motors->HiHaEntrades());
    QCOMPARE(m_motors->TipusSintetitzador(-1), "MSP");
    m_motors->Parlar(-1, "res");
    // Past every group there is nothing to apply; no selection is the MSP group.
    m_motors->ListBoxMotorsDeVeuClick(0);
    QCOMPARE(Clau(kWav, "Tipus de sintetitzador"), "<none>");
    m_motors->ListBoxMotorsDeVeuClick(-1);
    QCOMPARE(Clau(kWav, "Sintetitzador"), "-1");
    QVERIFY_THROWS_EXCEPTION(ErrorVeu, RegistreVeus::Crear("Cap.Classe"));
}

QTEST_MAIN(TestMotorsDeVeu)
#include "tst_motorsdeveu.moc"
