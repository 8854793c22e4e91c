// The voice list of a running speech-dispatcher, read the two ways there
// are: libspeechd's own listing and the program's bounded reader on a socket
// connection of its own, each followed by the filter to Catalan and Spanish.
//   build-bench/mesura_llista SOCKET [RUNS]
// Prints the median milliseconds of each and the number of voices kept.
#include "ConnexioSpeechd.h"
#include "LlistaSsip.h"

#include <QElapsedTimer>
#include <QFile>

#include <libspeechd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

QList<LlistaSsip::VeuSsip> AmbLibspeechd(const QByteArray &socol)
{
    SPDConnectionAddress adreca{};
    adreca.method = SPD_METHOD_UNIX_SOCKET;
    QByteArray cami = socol;
    adreca.unix_socket_name = cami.data();
    char *error = nullptr;
    SPDConnection *connexio =
        spd_open2("mesura", "veus", nullptr, SPD_MODE_THREADED, &adreca, 0, &error);
    std::free(error);
    QList<LlistaSsip::VeuSsip> veus;
    if (!connexio)
        return veus;
    char **moduls = spd_list_modules(connexio);
    for (char **modul = moduls; modul && *modul; ++modul) {
        spd_set_output_module(connexio, *modul);
        SPDVoice **llista = spd_list_synthesis_voices(connexio);
        for (SPDVoice **veu = llista; veu && *veu; ++veu)
            veus.append({(*veu)->name, (*veu)->language, *modul});
        free_spd_voices(llista);
    }
    free_spd_modules(moduls);
    spd_close(connexio);
    return veus;
}

template <typename F> double Mediana(int vegades, F &&llistar, qsizetype &conservades)
{
    std::vector<double> ms;
    for (int i = 0; i < vegades; ++i) {
        QElapsedTimer temps;
        temps.start();
        conservades = ConnexioSpeechd::VeusDelPrograma(llistar()).size();
        ms.push_back(temps.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SOCKET [RUNS]\n", argv[0]);
        return 2;
    }
    const QByteArray socol = QFile::encodeName(QString::fromLocal8Bit(argv[1]));
    const int vegades = argc > 2 ? std::atoi(argv[2]) : 5;
    qsizetype totes = LlistaSsip::Veus(socol, 10000).value_or(QList<LlistaSsip::VeuSsip>()).size();
    qsizetype conservades = 0;
    const double propia = Mediana(
        vegades, [&] { return LlistaSsip::Veus(socol, 10000).value_or(QList<LlistaSsip::VeuSsip>()); },
        conservades);
    std::printf("own reader: %.1f ms for %lld voices, %lld kept\n", propia,
                static_cast<long long>(totes), static_cast<long long>(conservades));
    const double llibreria = Mediana(vegades, [&] { return AmbLibspeechd(socol); }, conservades);
    std::printf("libspeechd: %.1f ms, %lld kept\n", llibreria, static_cast<long long>(conservades));
    return 0;
}
