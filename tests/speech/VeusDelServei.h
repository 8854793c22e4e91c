#pragma once

#include <QLocale>
#include <QStringList>

#include <libspeechd.h>

#include <cstdlib>

// The names of a service's voices, module by module, as its client library
// reports them to any client. With `llengues`, only those that speak
// Catalan, then those that speak Spanish: what the program's list must show.
inline QStringList VeusDelServei(const QString &socol, bool llengues = false)
{
    QStringList noms;
    QStringList espanyoles;
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
        for (SPDVoice **veu = veus; veu && *veu; ++veu) {
            const QString nom = QString::fromUtf8((*veu)->name);
            const QLocale::Language llengua =
                QLocale(QString::fromLatin1((*veu)->language)).language();
            if (!llengues || llengua == QLocale::Catalan)
                noms << nom;
            else if (llengua == QLocale::Spanish)
                espanyoles << nom;
        }
        free_spd_voices(veus);
    }
    free_spd_modules(moduls);
    spd_close(connexio);
    return noms + espanyoles;
}
