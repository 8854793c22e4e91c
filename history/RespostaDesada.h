#pragma once

#include <QMetaType>
#include <QString>

#include <cstdint>

// How the answer was given: in the open drill or in one of the timed games.
enum class ModeJoc : int { Normal = 0, Operacions60 = 1, Contrarrellotge32 = 2 };

// One answer as the history keeps it.
struct RespostaDesada {
    std::int64_t moment = 0;   // milliseconds since 1970 (UTC) when it was given
    QString alumne;
    QString tipus;             // the operation kind's code: "TM1X", "TS1X", ...
    QString pregunta;          // as the learner saw it: "7 x 8"
    QString resposta;          // as typed, plus signs included
    QString verdicte;          // "C", "I" or "NC"
    std::int64_t ms = 0;       // from the question shown to "D'acord" (or "Nova pregunta")
    int pulsacions = 0;        // switch presses while scanning
    // Which practice run it belongs to, as the program numbers them while it
    // runs; the store turns it into a session of its own.
    std::uint64_t sessio = 0;
    ModeJoc mode = ModeJoc::Normal;
};
Q_DECLARE_METATYPE(RespostaDesada)
