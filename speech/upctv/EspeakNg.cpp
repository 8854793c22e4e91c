#include "EspeakNg.h"

#include "ObrirBiblioteca.h"

#include <dlfcn.h>

bool EspeakNg::Obrir()
{
    if (m_provat)
        return Oberta();
    m_provat = true;
    m_biblioteca = ObrirDeCarpetes(UPCTV_BIBLIOTEQUES, UPCTV_ESPEAK_NG);
    if (m_biblioteca && Resoldre())
        return true;
    Tancar();
    return false;
}

bool EspeakNg::Resoldre()
{
    void *b = m_biblioteca;
    Funcions &f = m_f;
    return ResoldreUna(b, f.InitializePath, "espeak_ng_InitializePath") &&
           ResoldreUna(b, f.Initialize, "espeak_ng_Initialize") &&
           ResoldreUna(b, f.ClearErrorContext, "espeak_ng_ClearErrorContext") &&
           ResoldreUna(b, f.InitializeOutput, "espeak_ng_InitializeOutput") &&
           ResoldreUna(b, f.Terminate, "espeak_ng_Terminate") &&
           ResoldreUna(b, f.GetSampleRate, "espeak_ng_GetSampleRate") &&
           ResoldreUna(b, f.SetSynthCallback, "espeak_SetSynthCallback") &&
           ResoldreUna(b, f.SetVoiceByName, "espeak_ng_SetVoiceByName") &&
           ResoldreUna(b, f.SetParameter, "espeak_ng_SetParameter") &&
           ResoldreUna(b, f.Synthesize, "espeak_ng_Synthesize");
}

void EspeakNg::Tancar()
{
    if (m_biblioteca)
        dlclose(m_biblioteca);
    m_biblioteca = nullptr;
    m_f = {}; // no entry point outlives the library
}
