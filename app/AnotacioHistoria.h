#pragma once

#include "RespostaDesada.h"
#include "Textos.h"

#include <QString>

#include <cstdint>
#include <functional>

class Historia;
class QWidget;

// What the drill tells the learner's history: when a question went up, the
// switch presses spent on it, and each answer as its record line is made.
// A new session starts with every practice run, and also when the learner
// or the game changes inside one (a game that has ended goes on as drill).
class AnotacioHistoria
{
public:
    struct Context {
        QString alumne;
        QString tipus;
        ModeJoc mode = ModeJoc::Normal;
    };

    explicit AnotacioHistoria(std::function<Context()> context) : m_context(std::move(context)) {}

    // The history that answers go to, a child of `finestra`; a file that
    // cannot be kept is said once over `finestra`, in the language of the
    // moment.
    Historia *CrearHistoria(QWidget *finestra, std::function<Llengua()> llengua);
    Historia *historia() const { return m_historia; }

    void NovaSessio() { m_novaSessio = true; }
    // The question has just been put up (again, after a wrong answer).
    void PreguntaMostrada();
    void Premuda() { ++m_pulsacions; }

    // Taken when "D'acord" or "Nova pregunta" is pressed.
    struct Mesura {
        std::int64_t ms = 0;
        int pulsacions = 0;
    };
    Mesura Mesurar() const;

    void Anotar(const QString &pregunta, const QString &resposta, const QString &verdicte,
                const Mesura &mesura);
    void AcabarCursa(std::uint32_t ms);

private:
    std::function<Context()> m_context;
    Historia *m_historia = nullptr;
    std::uint32_t m_inici = 0;
    int m_pulsacions = 0;
    bool m_novaSessio = true;
    std::uint64_t m_sessio = 0;
    Context m_ultim;
};
