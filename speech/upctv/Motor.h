#pragma once

#include "EspeakNg.h"
#include "Festival.h"
#include "SortidaSo.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The engine behind the exports. espeak-ng is not thread-safe, so one worker
// thread owns it: it is initialised there on the first text and every text
// is synthesised there. The exports only hand over work and read the state,
// so they return at once.
//
// The Catalan woman's voice is Festival's Ona where Festival and the voice are
// installed: the worker starts Festival as a child process as soon as that
// voice is chosen, so the first text does not wait for it, and ends it when
// another voice is chosen. Festival's samples are played through pcaudiolib.
// Without Festival or the voice, or when it fails, espeak-ng speaks instead.
//
// With a sound device espeak-ng plays the speech itself. Without one (or when
// playing fails) the samples are synthesised and thrown away at the pace they
// would have been played, so the status still reads "speaking" for as long
// as the text would last. UPCTV_MOSTRES in the environment names a file that
// then receives the samples of each text instead (16-bit, the rate that
// upcTVSampleRate tells), for recordings.
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
    int FreqMostreig() const { return m_freqEnCurs.load(); }

private:
    struct Encarrec {
        std::string text;
        int llengua;
        int parlant;
        int velocitat;
        unsigned generacio;
        bool ona;
    };
    enum class EstatEspeak { NoIniciat, Llest, Fallit };
    // Festival as the worker sees it: not running, ready, or failed (until
    // another voice is chosen).
    enum class EstatOna { Aturada, Llesta, Fallida };

    Motor() = default;

    void Bucle();
    // Whether Ona is chosen now; called with the mutex held.
    bool OnaTriada() const;
    void CanviVeu();
    void ArrencarOna();
    bool Iniciar();
    void Dir(Encarrec encarrec);
    void DirEspeak(const Encarrec &encarrec);
    bool Sintetitzar(const Encarrec &encarrec);
    // Says the text with Ona; answers what is left to say when Festival
    // failed on the way.
    std::optional<std::string> DirOna(const Encarrec &encarrec);
    bool Reproduir(const std::vector<std::int16_t> &mostres, int freqMostreig);
    void Acabat(unsigned generacio);
    // Called by espeak-ng for every block of samples; answers whether to stop.
    static int RetornSintesi(short *mostres, int nombre, espeak_EVENT *esdeveniments);
    bool Continuar(const short *mostres, int nombre);
    // Holds the worker while paused, and until the samples produced so far,
    // less the lead, would have been heard; false when the text was stopped.
    bool EsperarTorn(std::chrono::microseconds avanc);
    bool Aturat() const;
    void Gravar(const short *mostres, int nombre);

    mutable std::mutex m_mutex;
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
    bool m_onaVolguda = false;
    unsigned m_eleccioOna = 0; // times Ona has been chosen
    unsigned m_eleccioVista = 0; // the last of them the worker acted on
    std::atomic<long> m_mostres{0};
    std::atomic<int> m_freqEnCurs{0};

    EspeakNg m_e; // opened under the mutex, then used by the worker only
    SortidaSo m_so; // the same

    // Touched by the worker thread only.
    EstatEspeak m_espeak = EstatEspeak::NoIniciat;
    bool m_ambSo = false;
    int m_freqMostreig = 0;
    unsigned m_generacioEnCurs = 0;
    // When the first sample of the text being said was (or would have been)
    // heard, moved on by pauses.
    std::chrono::steady_clock::time_point m_inici;
    bool m_pautar = false; // whether samples go out at the pace of speech
    Festival m_festival;
    EstatOna m_ona = EstatOna::Aturada;
    bool m_soOna = false;
    std::FILE *m_gravacio = nullptr;
};
