#include "Motor.h"

#include "TextFestival.h"
#include "VeusMotor.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace
{

using namespace std::chrono_literals;

// How far ahead of the ear Festival's samples are handed to the device: a
// stop drops at most this much from the device's buffer.
constexpr auto kAvancSo = 100ms;
constexpr int kBlocsPerSegon = 50; // blocks of 20 ms between stop checks
constexpr int kParlantDona = 2;
constexpr std::size_t kMargeLectura = 64; // bytes of zeros after a text given to espeak-ng

// Whether anything could play sound: a sound card, or a sound server's
// socket. UPCTV_SILENCI in the environment forces silence (tests use it).
bool HiHaSo()
{
    if (std::getenv("UPCTV_SILENCI"))
        return false;
    std::error_code ec;
    if (std::filesystem::exists("/dev/snd", ec) || std::getenv("PULSE_SERVER"))
        return true;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && std::filesystem::exists(std::filesystem::path(runtime) / "pulse/native", ec);
}

espeak_ng_STATUS IniciarSortida(const EspeakNg &espeak, bool ambSo)
{
    const int mode = ENOUTPUT_MODE_SYNCHRONOUS | (ambSo ? ENOUTPUT_MODE_SPEAK_AUDIO : 0);
    return espeak->InitializeOutput(static_cast<espeak_ng_OUTPUT_MODE>(mode), 0, nullptr);
}

std::string Unir(const std::vector<std::string> &trossos, std::size_t des_de)
{
    std::string text;
    for (std::size_t i = des_de; i < trossos.size(); ++i)
        text += trossos[i] + ' ';
    return text;
}

} // namespace

Motor &Motor::instancia()
{
    // Destroyed when the library is unloaded: the worker is stopped then.
    static Motor motor;
    return motor;
}

Motor::~Motor()
{
    {
        std::lock_guard lock(m_mutex);
        m_acabar = true;
        ++m_generacio;
    }
    m_cv.notify_all();
    if (m_fil.joinable())
        m_fil.join();
}

void Motor::Llegir(std::string textUtf8)
{
    {
        std::lock_guard lock(m_mutex);
        // Opened here, on the caller's thread, and never by the worker: the
        // library may be unloaded while the worker starts, and the unloading
        // thread holds the loader's lock while it waits for the worker.
        // espeak-ng is opened even for Ona, to speak if Festival fails.
        m_e.Obrir();
        const unsigned generacio = ++m_generacio;
        m_pendent = Encarrec{std::move(textUtf8), m_llengua, m_parlant, m_velocitat, generacio,
                             m_onaVolguda};
        m_ocupat = true;
        m_pausa = false;
        m_mostres = 0;
        m_freqEnCurs = 0;
        if (!m_fil.joinable())
            m_fil = std::thread(&Motor::Bucle, this);
    }
    m_cv.notify_all();
}

void Motor::Aturar()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_generacio;
        m_pendent.reset();
        m_ocupat = false;
        m_pausa = false;
    }
    m_cv.notify_all();
}

void Motor::Pausar()
{
    std::lock_guard lock(m_mutex);
    m_pausa = m_ocupat;
}

void Motor::Reprendre()
{
    {
        std::lock_guard lock(m_mutex);
        m_pausa = false;
    }
    m_cv.notify_all();
}

void Motor::FixarLlengua(int llengua)
{
    {
        std::lock_guard lock(m_mutex);
        if (VeusMotor::LlenguaValida(llengua))
            m_llengua = llengua;
        CanviVeu();
    }
    m_cv.notify_all();
}

void Motor::FixarParlant(int parlant)
{
    {
        std::lock_guard lock(m_mutex);
        if (VeusMotor::ParlantValid(parlant))
            m_parlant = parlant;
        CanviVeu();
    }
    m_cv.notify_all();
}

bool Motor::OnaTriada() const
{
    return m_llengua == VeusMotor::kCatala && m_parlant == kParlantDona;
}

void Motor::CanviVeu()
{
    // The worker starts or ends Festival as it sees this change. The sound
    // library is mapped here, for the same reason as espeak-ng in Llegir.
    // Each time it is chosen anew counts: Festival failed before is tried
    // again then, even when the two changes come too close for the worker
    // to see the voice in between.
    const bool abans = m_onaVolguda;
    m_onaVolguda = OnaTriada();
    if (!m_onaVolguda)
        return;
    if (!abans)
        ++m_eleccioOna;
    if (HiHaSo())
        m_so.Obrir();
    if (!m_fil.joinable())
        m_fil = std::thread(&Motor::Bucle, this);
}

void Motor::FixarVelocitat(int percentatge)
{
    std::lock_guard lock(m_mutex);
    if (percentatge > 0)
        m_velocitat = percentatge;
}

bool Motor::Ocupat()
{
    std::lock_guard lock(m_mutex);
    return m_ocupat;
}

void Motor::Bucle()
{
    for (;;) {
        std::optional<Encarrec> encarrec;
        bool onaVolguda = false;
        bool novaEleccio = false;
        {
            std::unique_lock lock(m_mutex);
            m_cv.wait(lock, [this] {
                return m_acabar || m_pendent.has_value() ||
                       (m_onaVolguda && m_eleccioOna != m_eleccioVista) ||
                       (!m_onaVolguda && m_ona != EstatOna::Aturada);
            });
            if (m_acabar)
                break;
            onaVolguda = m_onaVolguda;
            novaEleccio = m_onaVolguda && m_eleccioOna != m_eleccioVista;
            m_eleccioVista = m_eleccioOna;
            encarrec = std::move(m_pendent);
            m_pendent.reset();
        }
        if (novaEleccio && m_ona != EstatOna::Llesta) {
            ArrencarOna();
        } else if (!onaVolguda && m_ona != EstatOna::Aturada) {
            m_festival.Tancar();
            m_so.Tancar();
            m_ona = EstatOna::Aturada;
        }
        if (encarrec) {
            const unsigned generacio = encarrec->generacio;
            Dir(std::move(*encarrec));
            Acabat(generacio);
        }
    }
    m_festival.Tancar();
    m_so.Tancar();
    if (m_espeak == EstatEspeak::Llest)
        m_e->Terminate();
    // espeak-ng itself is closed with the engine, on the thread that unloads
    // this library.
}

void Motor::ArrencarOna()
{
    m_ona = EstatOna::Fallida;
    const auto ubicacio = Festival::Trobar();
    if (!ubicacio)
        return;
    // Given up when the library is unloaded or another voice is chosen.
    const auto cancel = [this] {
        std::lock_guard lock(m_mutex);
        return m_acabar || !m_onaVolguda;
    };
    if (!m_festival.Arrencar(*ubicacio, cancel))
        return;
    m_ona = EstatOna::Llesta;
    m_soOna = HiHaSo() && m_so.Iniciar(16000);
}

bool Motor::Iniciar()
{
    if (m_espeak != EstatEspeak::NoIniciat)
        return m_espeak == EstatEspeak::Llest;
    m_espeak = EstatEspeak::Fallit;
    if (!m_e.Oberta())
        return false;
    // The error-context form reports missing data instead of ending the process.
    m_e->InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS estat = m_e->Initialize(&context);
    m_e->ClearErrorContext(&context);
    if (estat != ENS_OK)
        return false;
    m_ambSo = HiHaSo();
    if (IniciarSortida(m_e, m_ambSo) != ENS_OK) {
        m_ambSo = false;
        if (IniciarSortida(m_e, false) != ENS_OK) {
            m_e->Terminate();
            return false;
        }
    }
    m_freqMostreig = m_e->GetSampleRate();
    m_e->SetSynthCallback(&Motor::RetornSintesi);
    m_espeak = EstatEspeak::Llest;
    return true;
}

void Motor::Dir(Encarrec encarrec)
{
    m_generacioEnCurs = encarrec.generacio;
    if (const char *cami = std::getenv("UPCTV_MOSTRES"))
        m_gravacio = std::fopen(cami, "wb");
    if (encarrec.ona && m_ona == EstatOna::Llesta) {
        auto resta = DirOna(encarrec);
        if (resta && !Aturat())
            encarrec.text = std::move(*resta);
        else
            encarrec.text.clear();
    }
    if (!encarrec.text.empty() && Iniciar())
        DirEspeak(encarrec);
    if (m_gravacio)
        std::fclose(m_gravacio);
    m_gravacio = nullptr;
}

void Motor::DirEspeak(const Encarrec &encarrec)
{
    if (m_e->SetVoiceByName(VeusMotor::NomVeu(encarrec.llengua, encarrec.parlant)) != ENS_OK &&
        m_e->SetVoiceByName(encarrec.llengua == VeusMotor::kCatala ? "ca" : "es") != ENS_OK)
        return;
    m_e->SetParameter(espeakRATE, VeusMotor::ParaulesPerMinut(encarrec.velocitat), 0);
    if (!Sintetitzar(encarrec) && m_ambSo) {
        // The sound device failed: go on silently from now on.
        m_ambSo = false;
        if (IniciarSortida(m_e, false) == ENS_OK)
            Sintetitzar(encarrec);
    }
}

bool Motor::Sintetitzar(const Encarrec &encarrec)
{
    m_mostres = 0;
    m_freqEnCurs = m_freqMostreig;
    m_pautar = !m_ambSo;
    m_inici = std::chrono::steady_clock::now();
    // espeak-ng reads a little past the end of the text. A short text lies
    // inside the request itself, at the very top of this thread's stack, and
    // that read went past the stack: the text gets a buffer of its own with
    // room to spare.
    std::string text;
    text.reserve(encarrec.text.size() + kMargeLectura);
    text.assign(encarrec.text);
    text.append(kMargeLectura, '\0');
    const espeak_ng_STATUS estat =
        m_e->Synthesize(text.data(), encarrec.text.size() + 1, 0, POS_CHARACTER, 0,
                        espeakCHARS_UTF8, nullptr, nullptr);
    return estat != ENS_AUDIO_ERROR;
}

std::optional<std::string> Motor::DirOna(const Encarrec &encarrec)
{
    const std::vector<std::string> trossos = TextFestival::Trossos(encarrec.text);
    // Only the library's end cuts a wait for Festival short: after a stop
    // the piece asked for is still read, so that the next answer read is the
    // next text's.
    const auto acabant = [this] {
        std::lock_guard lock(m_mutex);
        return m_acabar;
    };
    std::optional<std::string> resta;
    std::vector<std::int16_t> mostres;
    int freq = 0;
    m_mostres = 0;
    m_inici = std::chrono::steady_clock::now();
    if (!trossos.empty() && !m_festival.Demanar(TextFestival::Iso885915(trossos[0])))
        resta = Unir(trossos, 0);
    for (std::size_t i = 0; !resta && i < trossos.size(); ++i) {
        if (!m_festival.Rebre(mostres, freq, acabant)) {
            resta = Unir(trossos, i);
            break;
        }
        // The next piece is made while this one is heard.
        if (i + 1 < trossos.size() && !Aturat() &&
            !m_festival.Demanar(TextFestival::Iso885915(trossos[i + 1])))
            resta = Unir(trossos, i + 1);
        if (!Reproduir(mostres, freq))
            break;
    }
    if (!resta && EsperarTorn(0us) && m_soOna)
        m_so.Drenar();
    while (m_festival.Pendents() > 0 && m_festival.Rebre(mostres, freq, acabant)) {
    }
    if (!m_festival.Viu())
        m_ona = EstatOna::Fallida;
    return resta;
}

bool Motor::Reproduir(const std::vector<std::int16_t> &mostres, int freqMostreig)
{
    if (mostres.empty() || freqMostreig <= 0)
        return !Aturat();
    if (m_soOna && !m_so.Iniciar(freqMostreig))
        m_soOna = false;
    m_pautar = true;
    // A piece that came later than the previous one ended starts now.
    const auto ara = std::chrono::steady_clock::now();
    const auto dit = std::chrono::microseconds(m_mostres.load() * 1000000LL / freqMostreig);
    m_inici = std::max(m_inici, ara - dit);
    m_freqEnCurs = freqMostreig;
    const std::size_t bloc = static_cast<std::size_t>(freqMostreig / kBlocsPerSegon);
    for (std::size_t i = 0; i < mostres.size(); i += bloc) {
        if (!EsperarTorn(m_soOna ? kAvancSo : 0us)) {
            if (m_soOna)
                m_so.Buidar();
            return false;
        }
        const std::size_t nombre = std::min(bloc, mostres.size() - i);
        if (m_soOna && !m_so.Escriure(mostres.data() + i, nombre))
            m_soOna = false; // the device failed: go on silently
        if (!m_soOna)
            Gravar(mostres.data() + i, static_cast<int>(nombre));
        m_mostres += static_cast<long>(nombre);
    }
    return true;
}

void Motor::Acabat(unsigned generacio)
{
    std::lock_guard lock(m_mutex);
    if (generacio == m_generacio)
        m_ocupat = false;
}

int Motor::RetornSintesi(short *mostres, int nombre, espeak_EVENT *)
{
    return instancia().Continuar(mostres, mostres ? nombre : 0) ? 0 : 1;
}

bool Motor::Continuar(const short *mostres, int nombre)
{
    if (!m_ambSo)
        Gravar(mostres, nombre);
    m_mostres += nombre;
    return EsperarTorn(0us);
}

bool Motor::Aturat() const
{
    std::lock_guard lock(m_mutex);
    return m_acabar || m_generacio != m_generacioEnCurs;
}

bool Motor::EsperarTorn(std::chrono::microseconds avanc)
{
    std::unique_lock lock(m_mutex);
    auto aturat = [this] { return m_acabar || m_generacio != m_generacioEnCurs; };
    if (m_pausa) {
        const auto abans = std::chrono::steady_clock::now();
        m_cv.wait(lock, [&] { return aturat() || !m_pausa; });
        m_inici += std::chrono::steady_clock::now() - abans;
    }
    const int freq = m_freqEnCurs.load();
    if (m_pautar && freq > 0) {
        // Keep to the pace at which the samples are (or would be) heard.
        const auto durada = std::chrono::microseconds(m_mostres.load() * 1000000LL / freq);
        m_cv.wait_until(lock, m_inici + durada - avanc, aturat);
    }
    return !aturat();
}

void Motor::Gravar(const short *mostres, int nombre)
{
    if (m_gravacio && mostres && nombre > 0)
        std::fwrite(mostres, sizeof(short), static_cast<std::size_t>(nombre), m_gravacio);
}
