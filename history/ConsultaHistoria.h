#pragma once

#include "BaseHistoria.h"
#include "RespostaDesada.h"

#include <QDateTime>
#include <QStringList>

#include <vector>

// A practice run as the history keeps it.
struct SessioDesada {
    qint64 id = 0;
    std::int64_t inici = 0; // ms since 1970, UTC
    QString tipus;
    ModeJoc mode = ModeJoc::Normal;
    std::int64_t tempsCursa = -1; // ms to the 32nd correct answer, -1 if never reached
};

// Reads the history for the report window and the learner list, and deletes
// a learner, on a connection of the calling thread.
class ConsultaHistoria
{
public:
    explicit ConsultaHistoria(const QString &cami = BaseHistoria::CamiPerDefecte());
    ~ConsultaHistoria();
    ConsultaHistoria(const ConsultaHistoria &) = delete;
    ConsultaHistoria &operator=(const ConsultaHistoria &) = delete;

    const ErrorHistoria &Error() const { return m_error; }

    // The learners with at least one answer, in alphabetical order.
    QStringList Alumnes();
    // One learner's answers from `des` to `fins` (both included), oldest first.
    // Without `complet`, only what the report's figures need (no answer
    // text, no presses): reading is the report's costliest step.
    std::vector<RespostaDesada> Respostes(const QString &alumne, const QDateTime &des,
                                          const QDateTime &fins, bool complet = true);
    std::vector<SessioDesada> Sessions(const QString &alumne, const QDateTime &des,
                                       const QDateTime &fins);
    // When the learner's first session began; invalid without any.
    QDateTime Primera(const QString &alumne);
    // Removes every answer and session of the learner.
    bool Esborrar(const QString &alumne);

private:
    QString m_connexio;
    ErrorHistoria m_error;
};
