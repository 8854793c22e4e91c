#include "SortidaSo.h"

#include "ObrirBiblioteca.h"

#include <dlfcn.h>

SortidaSo::~SortidaSo()
{
    Tancar();
    if (m_biblioteca)
        dlclose(m_biblioteca);
}

bool SortidaSo::Obrir()
{
    if (m_provat)
        return m_biblioteca != nullptr;
    m_provat = true;
    m_biblioteca = ObrirDeCarpetes(UPCTV_BIBLIOTEQUES, UPCTV_PCAUDIO);
    if (!m_biblioteca)
        return false;
    void *b = m_biblioteca;
    if (ResoldreUna(b, m_f.crear, "create_audio_device_object") &&
        ResoldreUna(b, m_f.obrir, "audio_object_open") &&
        ResoldreUna(b, m_f.tancar, "audio_object_close") &&
        ResoldreUna(b, m_f.destruir, "audio_object_destroy") &&
        ResoldreUna(b, m_f.escriure, "audio_object_write") &&
        ResoldreUna(b, m_f.drenar, "audio_object_drain") &&
        ResoldreUna(b, m_f.buidar, "audio_object_flush"))
        return true;
    dlclose(m_biblioteca);
    m_biblioteca = nullptr;
    m_f = {};
    return false;
}

bool SortidaSo::Iniciar(int freqMostreig)
{
    if (!m_biblioteca)
        return false;
    if (m_objecte && m_freqOberta == freqMostreig)
        return true;
    Tancar();
    m_objecte = m_f.crear(nullptr, "trimbol", "Trimbol");
    if (!m_objecte)
        return false;
    if (m_f.obrir(m_objecte, AUDIO_OBJECT_FORMAT_S16LE, static_cast<std::uint32_t>(freqMostreig), 1) != 0) {
        m_f.destruir(m_objecte);
        m_objecte = nullptr;
        return false;
    }
    m_freqOberta = freqMostreig;
    return true;
}

bool SortidaSo::Escriure(const std::int16_t *mostres, std::size_t nombre)
{
    return m_objecte && m_f.escriure(m_objecte, mostres, nombre * sizeof(std::int16_t)) == 0;
}

void SortidaSo::Buidar()
{
    if (m_objecte)
        m_f.buidar(m_objecte);
}

void SortidaSo::Drenar()
{
    if (m_objecte)
        m_f.drenar(m_objecte);
}

void SortidaSo::Tancar()
{
    if (!m_objecte)
        return;
    m_f.tancar(m_objecte);
    m_f.destruir(m_objecte);
    m_objecte = nullptr;
    m_freqOberta = 0;
}
