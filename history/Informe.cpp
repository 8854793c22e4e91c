#include "Informe.h"

#include <algorithm>
#include <unordered_map>

namespace {
bool Correcta(const RespostaDesada &r) { return r.verdicte == QLatin1String("C"); }

struct Acumulat {
    int respostes = 0, correctes = 0;
    std::vector<std::int64_t> temps;
    void afegir(const RespostaDesada &r)
    {
        ++respostes;
        correctes += Correcta(r);
        temps.push_back(r.ms);
    }
};

QStringList Numeros(int des, int fins)
{
    QStringList numeros;
    for (int n = des; n <= fins; ++n)
        numeros << QString::number(n);
    return numeros;
}
} // namespace

const std::array<QString, 4> &Informe::TipusTaules()
{
    static const std::array<QString, 4> tipus{QStringLiteral("TS1X"), QStringLiteral("TR1X"),
                                              QStringLiteral("TM1X"), QStringLiteral("TD1X")};
    return tipus;
}

std::int64_t Informe::Mediana(std::vector<std::int64_t> valors)
{
    if (valors.empty())
        return 0;
    const auto mig = valors.begin() + valors.size() / 2;
    std::nth_element(valors.begin(), mig, valors.end());
    if (valors.size() % 2)
        return *mig;
    const std::int64_t alt = *mig;
    const std::int64_t baix = *std::max_element(valors.begin(), mig);
    return (baix + alt) / 2;
}

std::optional<std::pair<int, int>> Informe::FilaIColumna(const QString &tipus,
                                                         const QString &pregunta)
{
    const QStringList parts = pregunta.split(QLatin1Char(' '));
    if (parts.size() != 3)
        return std::nullopt;
    bool bePrimer = false, beSegon = false;
    const int a = parts[0].toInt(&bePrimer), b = parts[2].toInt(&beSegon);
    if (!bePrimer || !beSegon)
        return std::nullopt;
    std::pair<int, int> lloc;
    if (tipus == QLatin1String("TS1X") || tipus == QLatin1String("TM1X"))
        lloc = {a - 1, b - 1};
    else if (tipus == QLatin1String("TR1X"))
        lloc = {b, a - b};
    else if (tipus == QLatin1String("TD1X") && b != 0)
        lloc = {b - 1, a / b};
    else
        return std::nullopt;
    if (lloc.first < 0 || lloc.first > 9 || lloc.second < 0 || lloc.second > 9)
        return std::nullopt;
    return lloc;
}

Informe::Informe(const std::vector<RespostaDesada> &respostes,
                 const std::vector<SessioDesada> &sessions)
{
    comptarTipus(respostes);
    comptarFets(respostes);
    comptarSessions(respostes, sessions);
}

void Informe::comptarTipus(const std::vector<RespostaDesada> &respostes)
{
    std::map<QString, Acumulat> acumulats;
    for (const RespostaDesada &r : respostes)
        acumulats[r.tipus].afegir(r);
    for (auto &[tipus, acumulat] : acumulats)
        m_perTipus[tipus] = {acumulat.respostes, acumulat.correctes,
                             Mediana(std::move(acumulat.temps))};
}

void Informe::comptarFets(const std::vector<RespostaDesada> &respostes)
{
    const auto &taules = TipusTaules();
    std::map<QString, std::map<QString, Acumulat>> acumulats;
    for (const RespostaDesada &r : respostes)
        if (std::find(taules.begin(), taules.end(), r.tipus) != taules.end())
            acumulats[r.tipus][r.pregunta].afegir(r);
    for (auto &[tipus, fets] : acumulats)
        for (auto &[pregunta, a] : fets)
            m_fets[tipus][pregunta] = {pregunta, a.respostes, a.respostes - a.correctes,
                                       Mediana(std::move(a.temps))};
}

void Informe::comptarSessions(const std::vector<RespostaDesada> &respostes,
                              const std::vector<SessioDesada> &sessions)
{
    struct PerSessio {
        int correctes = 0;
        std::int64_t ms = 0;
    };
    std::unordered_map<std::uint64_t, PerSessio> perSessio;
    for (const RespostaDesada &r : respostes) {
        PerSessio &s = perSessio[r.sessio];
        s.correctes += Correcta(r);
        s.ms += r.ms;
    }
    for (const SessioDesada &sessio : sessions) {
        const auto trobada = perSessio.find(std::uint64_t(sessio.id));
        const PerSessio s = trobada == perSessio.end() ? PerSessio{} : trobada->second;
        if (sessio.mode == ModeJoc::Operacions60)
            m_millor60 = std::max(m_millor60.value_or(0), s.correctes);
        if (sessio.mode == ModeJoc::Contrarrellotge32 && sessio.tempsCursa >= 0)
            m_millor32 = std::min(m_millor32.value_or(sessio.tempsCursa), sessio.tempsCursa);
        if (s.ms > 0)
            m_ritme.push_back({sessio.inici, s.correctes * 60000.0 / double(s.ms)});
    }
}

Informe::Graella Informe::GraellaDe(const QString &tipus) const
{
    Graella graella;
    if (tipus == QLatin1String("TR1X")) {
        graella.files = Numeros(0, 9);
        graella.columnes = Numeros(0, 9);
    } else if (tipus == QLatin1String("TD1X")) {
        graella.files = Numeros(1, 10);
        graella.columnes = Numeros(0, 9);
    } else {
        graella.files = Numeros(1, 10);
        graella.columnes = Numeros(1, 10);
    }
    const auto fets = m_fets.find(tipus);
    if (fets == m_fets.end())
        return graella;
    for (const auto &[pregunta, fet] : fets->second)
        if (const auto lloc = FilaIColumna(tipus, pregunta))
            graella.fets[lloc->first][lloc->second] = fet;
    return graella;
}

std::vector<Informe::Fet> Informe::MesFallats(const QString &tipus, int quants) const
{
    std::vector<Fet> fallats;
    if (const auto fets = m_fets.find(tipus); fets != m_fets.end())
        for (const auto &[pregunta, fet] : fets->second)
            if (fet.fallades > 0)
                fallats.push_back(fet);
    std::stable_sort(fallats.begin(), fallats.end(), [](const Fet &a, const Fet &b) {
        if (a.fallades != b.fallades)
            return a.fallades > b.fallades;
        return a.taxaError() > b.taxaError();
    });
    if (fallats.size() > std::size_t(quants))
        fallats.resize(std::size_t(quants));
    return fallats;
}
