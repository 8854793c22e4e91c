#include "GeneradorPreguntes.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <map>

namespace {

struct Operand {
    int valor;
    QString forma; // "0", "neg", "pos", "nu"
};

// Splits an integer-kind question into operands and operator texts.
bool Desglossar(const QString &text, QList<Operand> &operands, QStringList &operadors)
{
    static const QRegularExpression peca(
        QStringLiteral(R"(^(0|\(-([1-9]\d?)\)|\(\+([1-9]\d?)\)|([1-9]\d?))( [-+x.] |$))"));
    QString resta = text;
    while (!resta.isEmpty()) {
        const auto m = peca.match(resta);
        if (!m.hasMatch())
            return false;
        if (m.captured(1) == QLatin1String("0"))
            operands.append({0, QStringLiteral("0")});
        else if (!m.captured(2).isEmpty())
            operands.append({-m.captured(2).toInt(), QStringLiteral("neg")});
        else if (!m.captured(3).isEmpty())
            operands.append({m.captured(3).toInt(), QStringLiteral("pos")});
        else
            operands.append({m.captured(4).toInt(), QStringLiteral("nu")});
        if (!m.captured(5).isEmpty())
            operadors.append(m.captured(5));
        resta = resta.mid(m.capturedLength(0));
    }
    return true;
}

// |observed - expected| within six standard deviations of a binomial count.
bool DinsMarge(int observat, int n, double p)
{
    const double esperat = n * p;
    return std::abs(observat - esperat) <= 6.0 * std::sqrt(n * p * (1.0 - p));
}

} // namespace

class TestGeneradorPreguntes : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<QString>("patro");
        QTest::addColumn<int>("taula");
        QTest::newRow("addition up to 10") << int(TipusOperacio::TS1X) << "^(\\d+) \\+ (\\d+)$" << 10;
        QTest::newRow("addition up to 1") << int(TipusOperacio::TS1X) << "^(\\d+) \\+ (\\d+)$" << 1;
        QTest::newRow("multiplication up to 10") << int(TipusOperacio::TM1X) << "^(\\d+) x (\\d+)$" << 10;
        QTest::newRow("multiplication up to 4") << int(TipusOperacio::TM1X) << "^(\\d+) x (\\d+)$" << 4;
        QTest::newRow("subtraction") << int(TipusOperacio::TR1X) << "^(\\d+) - (\\d+)$" << 1;
        QTest::newRow("division") << int(TipusOperacio::TD1X) << "^(\\d+) / (\\d+)$" << 1;
    }
    void tables()
    {
        QFETCH(int, tipus);
        QFETCH(QString, patro);
        QFETCH(int, taula);
        const auto kind = TipusOperacio(tipus);
        GeneradorPreguntes generador;
        generador.Sembrar(1234);
        const QRegularExpression forma(patro);
        std::map<int, int> primers, segons;
        for (int i = 0; i < 20000; ++i) {
            const QString text = generador.Generar(kind, taula);
            const auto m = forma.match(text);
            QVERIFY2(m.hasMatch(), qPrintable(text));
            const int a = m.captured(1).toInt();
            const int b = m.captured(2).toInt();
            ++primers[a];
            ++segons[b];
            switch (kind) {
            case TipusOperacio::TS1X:
            case TipusOperacio::TM1X:
                // The limit bounds only the table, the first operand.
                QVERIFY(a >= 1 && a <= taula);
                QVERIFY(b >= 1 && b <= 10);
                break;
            case TipusOperacio::TR1X:
                QVERIFY(b >= 0 && b <= 9);
                QVERIFY(a - b >= 0 && a - b <= 9);
                break;
            case TipusOperacio::TD1X:
                QVERIFY(b >= 1 && b <= 9);
                QCOMPARE(a % b, 0);
                QVERIFY(a / b <= 9);
                break;
            default:
                QFAIL("not a table kind");
            }
        }
        if (kind == TipusOperacio::TS1X || kind == TipusOperacio::TM1X) {
            QCOMPARE(int(primers.size()), taula);
            QCOMPARE(int(segons.size()), 10);
            for (const auto &[valor, cops] : segons)
                QVERIFY2(DinsMarge(cops, 20000, 0.1), qPrintable(QString::number(valor)));
        }
        if (kind == TipusOperacio::TD1X)
            QVERIFY(primers.count(0) == 1); // 0 / d occurs
    }

    void integers_data()
    {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<int>("operands");
        QTest::addColumn<int>("maxim");
        QTest::addColumn<QString>("operadors");
        QTest::newRow("SE1X") << int(TipusOperacio::SE1X) << 2 << 9 << " + | - ";
        QTest::newRow("S3E1X") << int(TipusOperacio::S3E1X) << 3 << 9 << " + | - ";
        QTest::newRow("ME1X") << int(TipusOperacio::ME1X) << 2 << 9 << " x | . ";
        QTest::newRow("M3E1X") << int(TipusOperacio::M3E1X) << 3 << 9 << " x | . ";
        QTest::newRow("SE2X") << int(TipusOperacio::SE2X) << 2 << 99 << " + | - ";
        QTest::newRow("ME2X") << int(TipusOperacio::ME2X) << 2 << 99 << " x | . ";
    }
    void integers()
    {
        QFETCH(int, tipus);
        QFETCH(int, operands);
        QFETCH(int, maxim);
        QFETCH(QString, operadors);
        const QStringList permesos = operadors.split(QLatin1Char('|'));
        GeneradorPreguntes generador;
        generador.Sembrar(99);
        const int n = 30000;
        std::map<QString, int> formes;
        std::map<QString, int> signes;
        int zeros = 0, maximsVistos = 0, totalOperands = 0;
        for (int i = 0; i < n; ++i) {
            const QString text = generador.Generar(TipusOperacio(tipus), 10);
            QList<Operand> ops;
            QStringList sig;
            QVERIFY2(Desglossar(text, ops, sig), qPrintable(text));
            QCOMPARE(ops.size(), operands);
            QCOMPARE(sig.size(), operands - 1);
            for (const Operand &o : ops) {
                QVERIFY(std::abs(o.valor) <= maxim);
                ++formes[o.forma];
                zeros += o.valor == 0;
                maximsVistos += std::abs(o.valor) == maxim;
                ++totalOperands;
            }
            for (const QString &s : sig) {
                QVERIFY2(permesos.contains(s), qPrintable(text));
                ++signes[s];
            }
        }
        // Magnitude uniform on 0..maxim; a non-zero operand is negative 1/2,
        // parenthesised positive 1/4, bare 1/4; each operator a fair coin.
        const double pZero = 1.0 / (maxim + 1);
        QVERIFY(DinsMarge(zeros, totalOperands, pZero));
        QVERIFY(maximsVistos > 0);
        QVERIFY(DinsMarge(formes["neg"], totalOperands, (1 - pZero) / 2));
        QVERIFY(DinsMarge(formes["pos"], totalOperands, (1 - pZero) / 4));
        QVERIFY(DinsMarge(formes["nu"], totalOperands, (1 - pZero) / 4));
        QVERIFY(DinsMarge(signes[permesos[0]], n * (operands - 1), 0.5));
    }

    void reseedingRepeatsTheSequence()
    {
        GeneradorPreguntes a, b;
        a.Sembrar(7);
        b.Sembrar(7);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(a.Generar(TipusOperacio::M3E1X, 10), b.Generar(TipusOperacio::M3E1X, 10));
    }
};

QTEST_APPLESS_MAIN(TestGeneradorPreguntes)
#include "tst_generadorpreguntes.moc"
