#include "MotorsDeVeu.h"

#include "Esperar.h"
#include "Finestres.h"
#include "LectorQuelvox.h"
#include "Protegir.h"
#include "RegistreVeus.h"

#include <QCoreApplication>
#include <QOperatingSystemVersion>

#include <QPointer>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace
{

constexpr int kIntervalTreureFinestra = 200;
constexpr int kTicsTreureFinestra = 20; // the timer stops once the count is above this
constexpr int kPausaLector = 500;
constexpr int kEntradesUPCTV = 4;

const QString kSeccioTts = QStringLiteral("tts");
const QString kSeccioWav = QStringLiteral("tts to Wav");
const QString kSeccioLector = QStringLiteral("QUELVOX");
const QString kTipus = QStringLiteral("Tipus de sintetitzador");
const QString kSintetitzador = QStringLiteral("Sintetitzador");
const QString kU = QStringLiteral("1");

} // namespace

MotorsDeVeu::MotorsDeVeu(FitxerConfiguracio &configuracio, QObject *parent)
    : QObject(parent), VersioPrincipalWindows(VersioPrincipalSistema()),
      TimerTreureFinestraUPCTV(new QTimer(this)), m_configuracio(configuracio),
      m_familia(FitxerConfiguracio::camiFamilia(QStringLiteral("projectevorelk.ini"))),
      m_lector(std::make_unique<LectorQuelvox>())
{
    TimerTreureFinestraUPCTV->setObjectName(QStringLiteral("TimerTreureFinestraUPCTV"));
    TimerTreureFinestraUPCTV->setInterval(kIntervalTreureFinestra);
    connect(TimerTreureFinestraUPCTV, &QTimer::timeout, this,
            &MotorsDeVeu::TimerTreureFinestraUPCTVTimer);
}

MotorsDeVeu::~MotorsDeVeu()
{
    AlliberarUPCTV();
}

int MotorsDeVeu::VersioPrincipalSistema()
{
    return std::max(6, QOperatingSystemVersion::current().majorVersion());
}

void MotorsDeVeu::setLectorExtern(std::unique_ptr<LectorExtern> lector)
{
    if (lector)
        m_lector = std::move(lector);
}

QStringList MotorsDeVeu::LlistarVeus()
{
    m_entrades.clear();
    m_llengues.clear();
    Llistar(QStringLiteral("Speech.SpVoice"), QString(), VeuMSP, NumVeusMSP, MSPDisponible);
    Llistar(QStringLiteral("SAPI.SpVoice"), QStringLiteral("SAPI - "), VeuSAPI, NumVeusSAPI,
            SAPIDisponible);
    return m_entrades;
}

void MotorsDeVeu::Llistar(const QString &classe, const QString &prefix,
                          std::unique_ptr<ObjecteVeu> &objecte, int &nombre, bool &disponible)
{
    QStringList &entrades = m_entrades;
    try {
        objecte = RegistreVeus::Crear(classe);
        // One list for the whole listing: asking for it is a round trip to
        // the engine, and a desktop service may have thousands of voices.
        const LlistaVeus veus = objecte->GetVoices();
        const int total = veus.Count();
        entrades.reserve(entrades.size() + total);
        // The count follows the entries actually listed, so that positions
        // keep matching groups when the listing breaks off.
        for (int i = 0; i < total; ++i) {
            const Veu &veu = veus.Item(i);
            entrades.append(prefix + veu.GetDescription());
            m_llengues.append(veu.locale().language());
            nombre = i + 1;
        }
    } catch (...) {
        disponible = false;
    }
}

QStringList MotorsDeVeu::EntradesUPCTV()
{
    return {
        QStringLiteral("UPCTV - Home - Català"),
        QStringLiteral("UPCTV - Dona - Català"),
        QStringLiteral("UPCTV - Hombre - Español"),
        QStringLiteral("UPCTV - Mujer - Español"),
    };
}

QStringList MotorsDeVeu::PrepararUPCTV()
{
    IniciarTreureFinestra();
    UPCTVCarregat = CarregarUPCTV();
    const QStringList entrades = UPCTVCarregat ? EntradesUPCTV() : QStringList();
    m_entrades += entrades;
    return entrades;
}

QLocale::Language MotorsDeVeu::LlenguaDe(int p) const
{
    if (p < 0 || p >= NombreEntrades())
        return QLocale::AnyLanguage;
    if (p < NumVeusMSP + NumVeusSAPI)
        return m_llengues.value(p, QLocale::AnyLanguage);
    // Home and Dona speak Catalan, Hombre and Mujer Spanish.
    return p - NumVeusMSP - NumVeusSAPI < 2 ? QLocale::Catalan : QLocale::Spanish;
}

int MotorsDeVeu::PrimeraVeuDe(QLocale::Language llengua) const
{
    const int veus = NumVeusMSP + NumVeusSAPI;
    for (int p = 0; p < veus; ++p)
        if (m_llengues.value(p) == llengua)
            return p;
    if (!UPCTVCarregat || (llengua != QLocale::Catalan && llengua != QLocale::Spanish))
        return -1;
    // "UPCTV - Dona - Català" or "UPCTV - Mujer - Español".
    return veus + (llengua == QLocale::Catalan ? 1 : 3);
}

MotorsDeVeu::Restauracio MotorsDeVeu::Restaurar(const QString &nom, const QString &numero,
                                                QLocale::Language llengua) const
{
    const int primera = PrimeraVeuDe(llengua);
    if (!nom.isEmpty()) {
        const int fila = m_entrades.indexOf(nom);
        if (fila >= 0 && fila < NombreEntrades())
            return {fila, true};
        return {primera, primera >= 0, true, true};
    }
    const Restauracio perNumero = RestaurarEleccio(numero, NombreEntrades());
    // Nothing stored ("-1"): the first voice of the learner's language
    // speaks, rather than a voice of whatever language comes first.
    const bool capGuardada = perNumero.fila == 0 && !perNumero.aplicar;
    if (capGuardada && primera >= 0)
        return {primera, true, false, true};
    return perNumero;
}

MotorsDeVeu::Restauracio MotorsDeVeu::RestaurarEleccio(const QString &emmagatzemat,
                                                       int nombreEntrades)
{
    bool enter = false;
    const int n = emmagatzemat.toInt(&enter);
    if (!enter)
        return {-1, false};
    if (n < 0)
        return {0, false};
    return {n < nombreEntrades ? n : -1, true};
}

int MotorsDeVeu::NombreEntrades() const
{
    return NumVeusMSP + NumVeusSAPI + (UPCTVCarregat ? kEntradesUPCTV : 0);
}

MotorsDeVeu::Grup MotorsDeVeu::GrupDe(int p) const
{
    if (p < NumVeusMSP)
        return Grup::MSP;
    if (p < NumVeusMSP + NumVeusSAPI)
        return Grup::SAPI;
    return Grup::UPCTV;
}

QString MotorsDeVeu::TipusSintetitzador(int p) const
{
    switch (GrupDe(p)) {
    case Grup::MSP:
        return QStringLiteral("MSP");
    case Grup::SAPI:
        return QStringLiteral("SAPI");
    case Grup::UPCTV:
        break;
    }
    return UPCTVCarregat ? QStringLiteral("UPCTV") : QString();
}

ObjecteVeu *MotorsDeVeu::ObjecteDelGrup(Grup grup) const
{
    return grup == Grup::MSP ? VeuMSP.get() : VeuSAPI.get();
}

void MotorsDeVeu::EscriureTipus(const QString &tipus, const int *lloc)
{
    m_configuracio.WriteString(kSeccioWav, kTipus, tipus);
    if (lloc)
        m_configuracio.WriteString(kSeccioWav, kSintetitzador, QString::number(*lloc));
}

void MotorsDeVeu::ListBoxMotorsDeVeuClick(int p, bool escriure)
{
    const Grup grup = GrupDe(p);
    if (grup == Grup::UPCTV) {
        if (!UPCTVCarregat)
            return;
        if (escriure)
            EscriureTipus(QStringLiteral("UPCTV"), nullptr);
        AplicarUPCTV(p - NumVeusMSP - NumVeusSAPI);
        return;
    }
    const int lloc = grup == Grup::MSP ? p : p - NumVeusMSP;
    if (escriure)
        EscriureTipus(TipusSintetitzador(p), &lloc);
    AplicarVeu(ObjecteDelGrup(grup), lloc);
}

void MotorsDeVeu::AplicarVeu(ObjecteVeu *objecte, int lloc)
{
    Protegir([&] {
        if (objecte)
            objecte->setVoice(objecte->GetVoices().Item(lloc));
    });
}

void MotorsDeVeu::AplicarUPCTV(int entrada)
{
    IniciarTreureFinestra();
    if (entrada == VeuUPCTVActual || entrada < 0 || entrada >= kEntradesUPCTV)
        return;
    const QString llengua = entrada < 2 ? QStringLiteral("catala") : QStringLiteral("castella");
    if (entrada % 2 == 0)
        m_upctv.UPCTVVeuHome(llengua);
    else
        m_upctv.UPCTVVeuDona(llengua);
    VeuUPCTVActual = entrada;
}

void MotorsDeVeu::IniciarTreureFinestra()
{
    if (VersioPrincipalWindows < 6)
        return;
    ComptadorTreureFinestra = 0;
    if (!TimerTreureFinestraUPCTV->isActive())
        TimerTreureFinestraUPCTV->start();
}

void MotorsDeVeu::TimerTreureFinestraUPCTVTimer()
{
    if (QWindow *finestra = FindAWindow(kTitolFinestraUPCTV)) {
        PortarAlDavant(finestra);
        PremerEnter(finestra);
    }
    if (++ComptadorTreureFinestra > kTicsTreureFinestra)
        TimerTreureFinestraUPCTV->stop();
}

void MotorsDeVeu::Parlar(int p, const QString &text) { Dir(p, text, false); }

void MotorsDeVeu::Anunciar(int p, const QString &text) { Dir(p, text, true); }

void MotorsDeVeu::Dir(int p, const QString &text, bool tallar)
{
    const Grup grup = GrupDe(p);
    if (grup == Grup::UPCTV) {
        if (tallar)
            m_upctv.Llegir(text);
        else
            m_upctv.UPCTVParlar(text);
        return;
    }
    ObjecteVeu *objecte = ObjecteDelGrup(grup);
    const int flags = ObjecteVeu::kAsincron | (tallar ? ObjecteVeu::kBuidarAbans : 0);
    Protegir([&] {
        if (objecte)
            objecte->Speak(text, flags);
    });
}

bool MotorsDeVeu::Parlant(int p) const
{
    const Grup grup = GrupDe(p);
    if (grup == Grup::UPCTV)
        return m_upctv.Parlant();
    const ObjecteVeu *objecte = ObjecteDelGrup(grup);
    bool parlant = false;
    Protegir([&] { parlant = objecte && objecte->Parlant(); });
    return parlant;
}

void MotorsDeVeu::Callar(int p)
{
    const Grup grup = GrupDe(p);
    if (grup == Grup::UPCTV) {
        m_upctv.Aturar();
    } else {
        ObjecteVeu *objecte = ObjecteDelGrup(grup);
        Protegir([&] {
            if (objecte)
                objecte->Skip(QStringLiteral("Sentence"), std::numeric_limits<std::int32_t>::max());
        });
    }
    m_configuracio.WriteString(kSeccioTts, QStringLiteral("ESTIC LLEGINT"), QStringLiteral("0"));
}

void MotorsDeVeu::ButtonWavClick(int p, const QString &text)
{
    m_configuracio.WriteString(kSeccioWav, QStringLiteral("WAV DIR"),
                               QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    m_configuracio.WriteString(kSeccioWav, QStringLiteral("WAV"), kFitxerWav);
    m_configuracio.WriteString(kSeccioWav, QStringLiteral("WAV TEXT"), text);
    const Grup grup = GrupDe(p);
    if (grup == Grup::UPCTV)
        return;
    const int lloc = grup == Grup::MSP ? p : p - NumVeusMSP;
    EscriureTipus(TipusSintetitzador(p), &lloc);
    ContactarLector();
}

void MotorsDeVeu::ContactarLector()
{
    const bool oberta = m_lector->BuscarFinestra(kTitolLector);
    m_familia.WriteString(kSeccioLector, QStringLiteral("brenquil"), kU);
    if (oberta) {
        m_lector->EnviarMissatge(LectorExtern::kMissatgeGravar);
        m_lector->PortarAlDavant();
        return;
    }
    m_lector->Executar({QStringLiteral("VORELK")});
    m_familia.WriteString(kSeccioLector, QStringLiteral("Programa executant-se"), kU);
    // The waits dispatch messages; the program may be ending meanwhile.
    const QPointer<MotorsDeVeu> viu = this;
    Esperar(kPausaLector);
    if (!viu)
        return;
    if (m_lector->BuscarFinestra(kTitolLector))
        m_lector->EnviarMissatge(LectorExtern::kMissatgeInici);
    Esperar(kPausaLector);
    if (!viu)
        return;
    m_lector->EnviarMissatge(LectorExtern::kMissatgeGravar);
    m_lector->PortarAlDavant();
}
