#include "EspeakNg.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace
{

// Opens espeak-ng by its full path: first from the folder the build found it
// in, then from the system's library folders. A bare name would let the
// loader search LD_LIBRARY_PATH, whose empty entries mean the current
// folder, so a file of that name in whatever folder the program was started
// from could be mapped instead.
void *ObrirDeCarpetes(std::string_view carpetes, const char *nom)
{
    while (!carpetes.empty()) {
        const auto fi = carpetes.find(':');
        const std::string_view carpeta = carpetes.substr(0, fi);
        carpetes = fi == std::string_view::npos ? std::string_view{} : carpetes.substr(fi + 1);
        if (carpeta.empty() || carpeta.front() != '/')
            continue;
        const std::string cami = std::string(carpeta) + '/' + nom;
        if (access(cami.c_str(), F_OK) != 0)
            continue;
        if (void *biblioteca = dlopen(cami.c_str(), RTLD_NOW | RTLD_LOCAL))
            return biblioteca;
    }
    return nullptr;
}

template <typename F> bool ResoldreUna(void *biblioteca, F &funcio, const char *nom)
{
    funcio = reinterpret_cast<F>(dlsym(biblioteca, nom));
    return funcio != nullptr;
}

} // namespace

bool EspeakNg::Obrir()
{
    if (m_provat)
        return Oberta();
    m_provat = true;
    m_biblioteca = ObrirDeCarpetes(UPCTV_ESPEAK_NG_CARPETES, UPCTV_ESPEAK_NG);
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
