// The exports of libupctv.so. Each one is a thin door into the engine and
// never lets a C++ exception cross into the caller.
#include "upctv.h"

#include "Motor.h"
#include "Text1252.h"

#include <fstream>
#include <iterator>
#include <string>

namespace
{

constexpr std::streamsize kMidaMaximaFitxer = 1 << 20;

template <typename F> void Protegit(F &&f) noexcept
{
    try {
        f();
    } catch (...) {
    }
}

template <typename T, typename F> T ProtegitValor(T siFalla, F &&f) noexcept
{
    try {
        return f();
    } catch (...) {
        return siFalla;
    }
}

} // namespace

extern "C" {

const char *upcTVAbout(void)
{
    return "upcTV 1.0 - Lector de text en catal\xE0 i castell\xE0";
}

void upcTVRead(const char *text)
{
    if (!text)
        return;
    Protegit([&] { Motor::instancia().Llegir(Text1252AUtf8(text)); });
}

int upcTVReadFile(const char *path)
{
    if (!path)
        return 0;
    return ProtegitValor(0, [&] {
        std::ifstream fitxer(path, std::ios::binary);
        if (!fitxer)
            return 0;
        std::string text(kMidaMaximaFitxer, '\0');
        fitxer.read(text.data(), kMidaMaximaFitxer);
        text.resize(static_cast<std::size_t>(fitxer.gcount()));
        Motor::instancia().Llegir(Text1252AUtf8(text));
        return 1;
    });
}

void upcTVStop(void)
{
    Protegit([] { Motor::instancia().Aturar(); });
}

void upcTVPause(void)
{
    Protegit([] { Motor::instancia().Pausar(); });
}

void upcTVResume(void)
{
    Protegit([] { Motor::instancia().Reprendre(); });
}

void upcTVSetLanguage(int language)
{
    Protegit([&] { Motor::instancia().FixarLlengua(language); });
}

void upcTVSetSpeed(int speed)
{
    Protegit([&] { Motor::instancia().FixarVelocitat(speed); });
}

void upcTVSetSpeaker(int speaker)
{
    Protegit([&] { Motor::instancia().FixarParlant(speaker); });
}

int upcTVStatus(int)
{
    return ProtegitValor(0, [] { return Motor::instancia().Ocupat() ? 1 : 0; });
}

long upcTVSamplesProduced(void)
{
    return ProtegitValor(0L, [] { return Motor::instancia().Mostres(); });
}

int upcTVSampleRate(void)
{
    return ProtegitValor(0, [] { return Motor::instancia().FreqMostreig(); });
}

} // extern "C"
