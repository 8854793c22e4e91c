#pragma once

#include <QString>

#include <cstdint>
#include <random>

// The ten kinds of question the drill asks, one per radio button of the
// options window.
enum class TipusOperacio { TS1X, TM1X, TR1X, TD1X, SE1X, S3E1X, ME1X, M3E1X, SE2X, ME2X };

// Draws the numbers of a question and writes its text, which is at once what
// the learner reads, what is spoken and the expression that is evaluated.
class GeneradorPreguntes
{
public:
    void Sembrar(std::uint32_t llavor) { m_aleatori.seed(llavor); }

    // The kind a radio button's code names ("TS1X", ...); multiplication
    // for an unknown code.
    static TipusOperacio TipusDeCodi(const QString &codi);

    // `taulaMaxima` (1 to 10) bounds the table of the addition and
    // multiplication tables.
    QString Generar(TipusOperacio tipus, int taulaMaxima);

private:
    int U(int a, int b);
    bool moneda() { return U(0, 1) == 1; }
    // A signed operand of magnitude U(0..maxim): "0", "(-n)", "(+n)" or "n".
    QString operandEnter(int maxim);
    QString enters(int operands, int maxim, const char *operador1, const char *operador2);

    std::mt19937 m_aleatori;
};
