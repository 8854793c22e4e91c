#pragma once

#include "ConsultaHistoria.h"
#include "RespostaDesada.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <vector>

// What the report shows of one learner's answers: figures per operation
// kind, the timed games' bests, the facts of the four tables kinds and the
// rate of correct answers over the sessions.
class Informe
{
public:
    struct Tipus {
        int respostes = 0;
        int correctes = 0;
        std::int64_t medianaMs = 0;
        double percentCorrectes() const { return respostes ? 100.0 * correctes / respostes : 0; }
    };
    // One fact of a tables kind, such as "7 x 8".
    struct Fet {
        QString pregunta;
        int respostes = 0;
        int fallades = 0; // wrong or skipped
        std::int64_t medianaMs = 0;
        double taxaError() const { return respostes ? double(fallades) / respostes : 0; }
    };
    // The 10 x 10 facts of a tables kind; rows and columns as FilaIColumna.
    struct Graella {
        std::array<std::array<Fet, 10>, 10> fets;
        QStringList files, columnes; // header labels
    };
    struct Punt {
        std::int64_t inici = 0;
        double correctesPerMinut = 0;
    };

    Informe(const std::vector<RespostaDesada> &respostes, const std::vector<SessioDesada> &sessions);

    // The four tables kinds, which get a grid.
    static const std::array<QString, 4> &TipusTaules();
    // Where a fact of a tables kind sits in its grid: addition and
    // multiplication by their two numbers, subtraction by the number taken
    // away and the answer, division by the divisor and the answer.
    static std::optional<std::pair<int, int>> FilaIColumna(const QString &tipus,
                                                           const QString &pregunta);
    static std::int64_t Mediana(std::vector<std::int64_t> valors);

    // Kinds answered in the range, by code.
    const std::map<QString, Tipus> &PerTipus() const { return m_perTipus; }
    // Most correct answers in one "Operacions 60''" game, that is per minute.
    std::optional<int> Millor60() const { return m_millor60; }
    // Fastest "Contrarrellotge 32", in ms.
    std::optional<std::int64_t> Millor32() const { return m_millor32; }
    Graella GraellaDe(const QString &tipus) const;
    // The facts most often missed, at most `quants`: most misses first, then
    // the highest error rate.
    std::vector<Fet> MesFallats(const QString &tipus, int quants = 5) const;
    // Correct answers per minute of answering, session by session, oldest first.
    const std::vector<Punt> &Ritme() const { return m_ritme; }

private:
    void comptarTipus(const std::vector<RespostaDesada> &respostes);
    void comptarFets(const std::vector<RespostaDesada> &respostes);
    void comptarSessions(const std::vector<RespostaDesada> &respostes,
                         const std::vector<SessioDesada> &sessions);

    std::map<QString, Tipus> m_perTipus;
    std::map<QString, std::map<QString, Fet>> m_fets; // kind, question
    std::optional<int> m_millor60;
    std::optional<std::int64_t> m_millor32;
    std::vector<Punt> m_ritme;
};
