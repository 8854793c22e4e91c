#pragma once

#include "EspeakNg.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// The engine behind the exports. espeak-ng is not thread-safe, so one worker
// thread owns it: it is initialised there on the first text and every text
// is synthesised there. The exports only hand over work and read the state,
// so they return at once.
//
// With a sound device espeak-ng plays the speech itself. Without one (or when
// playing fails) the samples are synthesised and thrown away at the pace they
// would have been played, so the status still reads "speaking" for as long
// as the text would last.
class Motor
{
public:
    static Motor &instancia();
    ~Motor();
    Motor(const Motor &) = delete;
    Motor &operator=(const Motor &) = delete;

    void Llegir(std::string textUtf8);
    void Aturar();
    void Pausar();
    void Reprendre();
    void FixarLlengua(int llengua);
    void FixarParlant(int parlant);
    void FixarVelocitat(int percentatge);
    bool Ocupat();
    long Mostres() const { return m_mostres.load(); }

private:
    struct Encarrec {
        std::string text;
        int llengua;
        int parlant;
        int velocitat;
        unsigned generacio;
    };
    enum class EstatEspeak { NoIniciat, Llest, Fallit };

    Motor() = default;

    void Bucle();
    bool Iniciar();
    void Dir(const Encarrec &encarrec);
    bool Sintetitzar(const Encarrec &encarrec);
    void Acabat(unsigned generacio);
    // Called by espeak-ng for every block of samples; answers whether to stop.
    static int RetornSintesi(short *mostres, int nombre, espeak_EVENT *esdeveniments);
    bool Continuar(int nombre);

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::thread m_fil;
    std::optional<Encarrec> m_pendent;
    std::atomic<unsigned> m_generacio{0};
    bool m_ocupat = false;
    bool m_pausa = false;
    bool m_acabar = false;
    int m_llengua = 99;
    int m_parlant = 0;
    int m_velocitat = 100;
    std::atomic<long> m_mostres{0};

    EspeakNg m_e; // opened under the mutex, then used by the worker only

    // Touched by the worker thread only.
    EstatEspeak m_espeak = EstatEspeak::NoIniciat;
    bool m_ambSo = false;
    int m_freqMostreig = 0;
    unsigned m_generacioEnCurs = 0;
    std::chrono::steady_clock::time_point m_inici;
};
