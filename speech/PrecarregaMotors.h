#pragma once

#include "PreparacioSpeechd.h"

#include <QStringList>

#include <optional>
#include <thread>

// Gives the desktop's speech engines a head start. Creating the flite engine
// maps and relocates several large voice libraries, which takes longer than
// building all the windows; a thread of its own loads those libraries while
// the windows are built, so that the engines, created later on the main
// thread, find them already in memory. Nothing else is shared with the
// thread: a library that is missing is simply left to the engine to report.
// The program's head start also takes the speech service's voice list.
class PrecarregaMotors
{
public:
    // The engine libraries and the speech service's voice list.
    PrecarregaMotors();
    // Only these libraries. Starts loading at once; going out of scope
    // waits for the threads.
    explicit PrecarregaMotors(QStringList biblioteques);

    // The flite plugin of Qt TextToSpeech and the voices it loads when it
    // starts.
    static QStringList BibliotequesMotors();

    // Loads each library and keeps it loaded; answers how many loaded.
    static int Carregar(const QStringList &biblioteques);

private:
    std::optional<PreparacioSpeechd> m_speechd;
    std::jthread m_fil;
};
