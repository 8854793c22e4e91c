#pragma once

#include <QStringList>

#include <libspeechd.h>

#include <cstdlib>

// The names of a service's voices, module by module, as its client library
// reports them to any client: what the program's list must show.
inline QStringList VeusDelServei(const QString &socol)
{
    QStringList noms;
    SPDConnectionAddress lloc{};
    lloc.method = SPD_METHOD_UNIX_SOCKET;
    QByteArray cami = socol.toLocal8Bit();
    lloc.unix_socket_name = cami.data();
    char *error = nullptr;
    SPDConnection *connexio =
        spd_open2("prova", "veus", nullptr, SPD_MODE_SINGLE, &lloc, 0, &error);
    std::free(error);
    if (!connexio)
        return noms;
    char **moduls = spd_list_modules(connexio);
    for (char **modul = moduls; modul && *modul; ++modul) {
        spd_set_output_module(connexio, *modul);
        SPDVoice **veus = spd_list_synthesis_voices(connexio);
        for (SPDVoice **veu = veus; veu && *veu; ++veu)
            noms << QString::fromUtf8((*veu)->name);
        free_spd_voices(veus);
    }
    free_spd_modules(moduls);
    spd_close(connexio);
    return noms;
}
