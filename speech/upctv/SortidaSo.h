#pragma once

#include <pcaudiolib/audio.h>

#include <cstddef>
#include <cstdint>

// The sound device for the samples the engine receives whole (Festival's),
// through pcaudiolib, the library espeak-ng plays with. It is opened at run
// time, like espeak-ng, so a program that never uses this voice does not map
// it or the sound servers' client libraries.
class SortidaSo
{
public:
    SortidaSo() = default;
    ~SortidaSo();
    SortidaSo(const SortidaSo &) = delete;
    SortidaSo &operator=(const SortidaSo &) = delete;

    // Maps pcaudiolib; only the first call tries. On the caller's thread,
    // never the worker's (see Motor::Llegir).
    bool Obrir();
    // Opens the device for 16-bit mono samples at that rate; false when
    // there is none. Keeps it open while the rate stays the same.
    bool Iniciar(int freqMostreig);
    // Blocks while the device's buffer is full.
    bool Escriure(const std::int16_t *mostres, std::size_t nombre);
    // Drops what the device still holds (a stop) or waits for it (an end).
    void Buidar();
    void Drenar();
    void Tancar();

private:
    struct Funcions {
        decltype(&create_audio_device_object) crear = nullptr;
        decltype(&audio_object_open) obrir = nullptr;
        decltype(&audio_object_close) tancar = nullptr;
        decltype(&audio_object_destroy) destruir = nullptr;
        decltype(&audio_object_write) escriure = nullptr;
        decltype(&audio_object_drain) drenar = nullptr;
        decltype(&audio_object_flush) buidar = nullptr;
    };

    Funcions m_f;
    void *m_biblioteca = nullptr;
    bool m_provat = false;
    audio_object *m_objecte = nullptr;
    int m_freqOberta = 0;
};
