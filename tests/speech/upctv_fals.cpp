// A stand-in for the engine library: says nothing, appends every call it
// receives to the file named by UPCTV_FALS_REGISTRE, and reports "speaking"
// for UPCTV_FALS_OCUPAT status calls after each read (2 when unset). Built
// once more without upcTVPause to stand for a library that lacks an export.
#include "upctv.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

int g_ocupat = 0;

void Registrar(const std::string &linia)
{
    const char *cami = std::getenv("UPCTV_FALS_REGISTRE");
    if (!cami)
        return;
    if (FILE *f = std::fopen(cami, "a")) {
        std::fprintf(f, "%s\n", linia.c_str());
        std::fclose(f);
    }
}

std::string Numero(const char *prefix, int n)
{
    char text[48];
    std::snprintf(text, sizeof text, "%s %d", prefix, n);
    return text;
}

std::string Hex(const char *text)
{
    std::string sortida;
    char xifres[4];
    for (const char *c = text; *c; ++c) {
        std::snprintf(xifres, sizeof xifres, "%02X", static_cast<unsigned char>(*c));
        sortida += xifres;
    }
    return sortida;
}

struct Carrega {
    Carrega() { Registrar("load"); }
    ~Carrega() { Registrar("unload"); }
} g_carrega;

} // namespace

extern "C" {

const char *upcTVAbout(void)
{
    return "fake";
}
void upcTVRead(const char *text)
{
    Registrar("read " + Hex(text));
    const char *ocupat = std::getenv("UPCTV_FALS_OCUPAT");
    g_ocupat = ocupat ? std::atoi(ocupat) : 2;
}
int upcTVReadFile(const char *)
{
    return 0;
}
void upcTVStop(void)
{
    Registrar("stop");
    g_ocupat = 0;
}
#ifndef UPCTV_FALS_SENSE_PAUSA
void upcTVPause(void) {}
#endif
void upcTVResume(void) {}
void upcTVSetLanguage(int language)
{
    Registrar(Numero("language", language));
}
void upcTVSetSpeed(int speed)
{
    Registrar(Numero("speed", speed));
}
void upcTVSetSpeaker(int speaker)
{
    Registrar(Numero("speaker", speaker));
}
int upcTVStatus(int which)
{
    const int estat = g_ocupat > 0 ? 1 : 0;
    if (g_ocupat > 0)
        --g_ocupat;
    Registrar(Numero(Numero("status", which).c_str(), estat));
    return estat;
}
long upcTVSamplesProduced(void)
{
    return 0;
}

} // extern "C"
