#include "Motor.h"

#include "VeusMotor.h"

#include <cstdlib>
#include <filesystem>

namespace
{

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
        m_e.Obrir();
        const unsigned generacio = ++m_generacio;
        m_pendent = Encarrec{std::move(textUtf8), m_llengua, m_parlant, m_velocitat, generacio};
        m_ocupat = true;
        m_pausa = false;
        m_mostres = 0;
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
    std::lock_guard lock(m_mutex);
    if (VeusMotor::LlenguaValida(llengua))
        m_llengua = llengua;
}

void Motor::FixarParlant(int parlant)
{
    std::lock_guard lock(m_mutex);
    if (VeusMotor::ParlantValid(parlant))
        m_parlant = parlant;
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
        Encarrec encarrec;
        {
            std::unique_lock lock(m_mutex);
            m_cv.wait(lock, [this] { return m_acabar || m_pendent.has_value(); });
            if (m_acabar)
                break;
            encarrec = std::move(*m_pendent);
            m_pendent.reset();
        }
        if (Iniciar())
            Dir(encarrec);
        Acabat(encarrec.generacio);
    }
    if (m_espeak == EstatEspeak::Llest)
        m_e->Terminate();
    // espeak-ng itself is closed with the engine, on the thread that unloads
    // this library.
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

void Motor::Dir(const Encarrec &encarrec)
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
    m_generacioEnCurs = encarrec.generacio;
    m_mostres = 0;
    m_inici = std::chrono::steady_clock::now();
    const espeak_ng_STATUS estat =
        m_e->Synthesize(encarrec.text.c_str(), encarrec.text.size() + 1, 0, POS_CHARACTER, 0,
                        espeakCHARS_UTF8, nullptr, nullptr);
    return estat != ENS_AUDIO_ERROR;
}

void Motor::Acabat(unsigned generacio)
{
    std::lock_guard lock(m_mutex);
    if (generacio == m_generacio)
        m_ocupat = false;
}

int Motor::RetornSintesi(short *mostres, int nombre, espeak_EVENT *)
{
    return instancia().Continuar(mostres ? nombre : 0) ? 0 : 1;
}

bool Motor::Continuar(int nombre)
{
    m_mostres += nombre;
    std::unique_lock lock(m_mutex);
    auto aturat = [this] { return m_acabar || m_generacio != m_generacioEnCurs; };
    if (m_pausa) {
        const auto abans = std::chrono::steady_clock::now();
        m_cv.wait(lock, [&] { return aturat() || !m_pausa; });
        m_inici += std::chrono::steady_clock::now() - abans;
    }
    if (!m_ambSo && m_freqMostreig > 0) {
        // Silent: keep to the pace at which the samples would be heard.
        const auto durada =
            std::chrono::microseconds(m_mostres.load() * 1000000LL / m_freqMostreig);
        m_cv.wait_until(lock, m_inici + durada, aturat);
    }
    return !aturat();
}
