#include "GeneradorPreguntes.h"

#include <array>

#include <algorithm>

int GeneradorPreguntes::U(int a, int b)
{
    return std::uniform_int_distribution<int>(a, b)(m_aleatori);
}

QString GeneradorPreguntes::operandEnter(int maxim)
{
    const int n = U(0, maxim);
    if (n == 0)
        return QStringLiteral("0");
    if (moneda())
        return QStringLiteral("(-%1)").arg(n);
    if (moneda())
        return QStringLiteral("(+%1)").arg(n);
    return QString::number(n);
}

QString GeneradorPreguntes::enters(int operands, int maxim, const char *operador1,
                                   const char *operador2)
{
    QString text = operandEnter(maxim);
    for (int i = 1; i < operands; ++i) {
        text += QLatin1String(moneda() ? operador1 : operador2);
        text += operandEnter(maxim);
    }
    return text;
}

QString GeneradorPreguntes::Generar(TipusOperacio tipus, int taulaMaxima)
{
    const int taula = std::clamp(taulaMaxima, 1, 10);
    switch (tipus) {
    case TipusOperacio::TS1X: {
        const int a = U(1, taula);
        return QStringLiteral("%1 + %2").arg(a).arg(U(1, 10));
    }
    case TipusOperacio::TM1X: {
        const int a = U(1, taula);
        return QStringLiteral("%1 x %2").arg(a).arg(U(1, 10));
    }
    case TipusOperacio::TR1X: {
        // Built backwards from the answer r, so it is never negative.
        const int r = U(0, 9);
        const int b = U(0, 9);
        return QStringLiteral("%1 - %2").arg(r + b).arg(b);
    }
    case TipusOperacio::TD1X: {
        // Built backwards from the quotient q: always exact, never by zero.
        const int q = U(0, 9);
        const int d = U(1, 9);
        return QStringLiteral("%1 / %2").arg(q * d).arg(d);
    }
    case TipusOperacio::SE1X:
        return enters(2, 9, " + ", " - ");
    case TipusOperacio::S3E1X:
        return enters(3, 9, " + ", " - ");
    case TipusOperacio::ME1X:
        return enters(2, 9, " x ", " . ");
    case TipusOperacio::M3E1X:
        return enters(3, 9, " x ", " . ");
    case TipusOperacio::SE2X:
        return enters(2, 99, " + ", " - ");
    case TipusOperacio::ME2X:
        return enters(2, 99, " x ", " . ");
    }
    return {};
}

TipusOperacio GeneradorPreguntes::TipusDeCodi(const QString &codi)
{
    const std::array<std::pair<const char *, TipusOperacio>, 10> tipus{{
        {"TS1X", TipusOperacio::TS1X},
        {"TM1X", TipusOperacio::TM1X},
        {"TR1X", TipusOperacio::TR1X},
        {"TD1X", TipusOperacio::TD1X},
        {"SE1X", TipusOperacio::SE1X},
        {"S3E1X", TipusOperacio::S3E1X},
        {"ME1X", TipusOperacio::ME1X},
        {"M3E1X", TipusOperacio::M3E1X},
        {"SE2X", TipusOperacio::SE2X},
        {"ME2X", TipusOperacio::ME2X},
    }};
    for (const auto &[nom, valor] : tipus)
        if (codi == QLatin1String(nom))
            return valor;
    return TipusOperacio::TM1X;
}
