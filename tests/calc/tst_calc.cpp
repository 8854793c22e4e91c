#include "AnalitzadorExpressio.h"
#include "Real48.h"
#include "UnitCalcDll32.h"

#include <QtTest>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

using namespace calc;

namespace
{

const std::string kAnalisi = " = ERROR D'AN\xC3\x80LISIS";
const std::string kCalcul = " = ERROR DE C\xC3\x80LCUL";

QString Q(const std::string &s)
{
    return QString::fromStdString(s);
}

// "( -1 * 3 )": the codes, and numbers with ten significant digits.
std::string Mostrar(const TaulaTokens &taula)
{
    std::string text;
    for (std::size_t i = 0; i < taula.mida; ++i) {
        if (i > 0)
            text += ' ';
        if (taula[i].codi != Codi::Nombre) {
            text += TextDelCodi(taula[i].codi);
            continue;
        }
        char buffer[32];
        auto [fi, ec] = std::to_chars(buffer, buffer + sizeof buffer, taula[i].valor,
                                      std::chars_format::general, 10);
        text.append(buffer, fi);
    }
    return text;
}

// One row of a (text, expected text) table; the text names the row unless a
// name is given.
void Fila(const char *nom, const char *text, const char *esperat)
{
    QTest::newRow(nom) << QString::fromUtf8(text) << QString::fromUtf8(esperat);
}

void Fila(const char *text, const char *esperat)
{
    Fila(text, text, esperat);
}

int CodiDeCalcul(const std::string &text)
{
    TaulaTokens taula;
    if (AnalitzarExpressio(text, 0, taula) != kAnalisiCorrecta)
        return -1;
    double valor = 0;
    return CalcularExpressio(taula, 0.0, valor);
}

std::size_t Caracters(const std::string &s)
{
    std::size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string Repetir(const std::string &s, int vegades)
{
    std::string r;
    for (int i = 0; i < vegades; ++i)
        r += s;
    return r;
}

struct Pregunta {
    std::string text;
    int valor;
};

// Every question of `termes` operands of magnitude 0 to `maxim`, each written
// as the drill writes it ("0", "(-n)", "(+n)" or "n"), joined by every sign
// of `signes` (of "+-x."); the value is computed from the left.
std::vector<Pregunta> Preguntes(int maxim, int termes, const std::string &signes)
{
    std::vector<Pregunta> operands{{"0", 0}};
    for (int n = 1; n <= maxim; ++n) {
        std::string x = std::to_string(n);
        operands.insert(operands.end(), {{"(-" + x + ")", -n}, {"(+" + x + ")", n}, {x, n}});
    }
    std::vector<Pregunta> preguntes = operands;
    for (int t = 1; t < termes; ++t) {
        std::vector<Pregunta> mes;
        for (const Pregunta &p : preguntes) {
            for (char s : signes) {
                for (const Pregunta &o : operands) {
                    int v = s == '+' ? p.valor + o.valor
                                     : (s == '-' ? p.valor - o.valor : p.valor * o.valor);
                    mes.push_back({p.text + ' ' + s + ' ' + o.text, v});
                }
            }
        }
        preguntes.swap(mes);
    }
    return preguntes;
}

// What the drill does before evaluating a question: both multiplication
// signs become "*".
std::string ComLaPregunta(std::string text)
{
    for (char &c : text) {
        if (c == 'x' || c == '.')
            c = '*';
    }
    return text;
}

} // namespace

class TestCalc : public QObject
{
    Q_OBJECT

private slots:
    void analysisErrors_data();
    void analysisErrors();
    void tokenTable_data();
    void tokenTable();
    void tableHasRoomForLongTexts();
    void computationErrors_data();
    void computationErrors();
    void results_data();
    void results();
    void formatting_data();
    void formatting();
    void sixByteReals_data();
    void sixByteReals();
    void failureTexts_data();
    void failureTexts();
    void drillQuestions_data();
    void drillQuestions();
    void divisionTable();
    void anyTextGetsOneOfThreeOutcomes();
};

void TestCalc::analysisErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("codi");

    QTest::newRow("accepted") << "2*(3+4)" << 0 << 0;
    QTest::newRow("1 closed early") << "3)+(4" << 0 << 1;
    QTest::newRow("2 Y") << "Y+1" << 0 << 2;
    QTest::newRow("2 U inside a name") << "SUN(1)" << 0 << 2;
    QTest::newRow("Y allowed in mode 102") << "Y+Z+U+V+1" << kModeMultivariable << 0;
    QTest::newRow("2 unknown name") << "SIM(1)" << 0 << 2;
    QTest::newRow("2 name without its parenthesis") << "LN2" << 0 << 2;
    QTest::newRow("3 other letter") << "Q" << 0 << 3;
    QTest::newRow("3 sign") << "3#4" << 0 << 3;
    QTest::newRow("3 non-ASCII letter") << QString::fromUtf8("2\xC3\xA0") << 0 << 3;
    QTest::newRow("4 open at the end") << "(3" << 0 << 4;
    QTest::newRow("5 sign after operator") << "2*-3" << 0 << 5;
    QTest::newRow("5 power of a bare negative") << "2^-1" << 0 << 5;
    QTest::newRow("5 trailing operator") << "3+" << 0 << 5;
    QTest::newRow("5 leading times") << "*3" << 0 << 5;
    QTest::newRow("5 empty group") << "()" << 0 << 5;
    QTest::newRow("5 digit after group") << "(2)3" << 0 << 5;
    QTest::newRow("5 group after group") << "(2)(3)" << 0 << 5;
    QTest::newRow("5 digit after variable") << "X2" << 0 << 5;
    QTest::newRow("5 point after variable") << "X.5" << 0 << 5;
    QTest::newRow("5 second point") << "1.2.3" << 0 << 5;
    QTest::newRow("5 two points") << "5..0" << 0 << 5;
    QTest::newRow("5 two constants run together") << "PP" << 0 << 5;
    QTest::newRow("7 empty") << "" << 0 << 7;
    QTest::newRow("9 twenty digits") << "12345678901234567890" << 0 << 9;
    QTest::newRow("9 twenty characters with point") << "1.000000000000000000" << 0 << 9;
    QTest::newRow("nineteen digits") << "1234567890123456789" << 0 << 0;
    QTest::newRow("1 before 4") << "(3))+((4" << 0 << 1;
    QTest::newRow("3 before 4") << "(3+Q" << 0 << 3;
    QTest::newRow("5 before 3") << "Q+*2" << 0 << 5;
    // 200 characters wrap to 202; 201 wrap to 203.
    QTest::newRow("200 characters") << QString("1+").repeated(99) + "11" << 0 << 0;
    QTest::newRow("201 characters") << QString("1+").repeated(100) + "1" << 0 << 8;
    QTest::newRow("201 two-byte characters")
        << QString::fromUtf8("\xC3\xA0").repeated(201) << 0 << 8;
    // 26 constants of 8 characters, 25 signs, 10 times "+1" and the wrapping
    // parentheses make 255 characters after rewriting.
    const QString constants = QString("P+").repeated(25) + "P";
    QTest::newRow("255 after rewriting") << constants + QString("+1").repeated(10) << 0 << 8;
    QTest::newRow("256 after rewriting") << constants + QString("+1").repeated(9) + "+11" << 0 << 0;
}

void TestCalc::analysisErrors()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(int, codi);
    TaulaTokens taula;
    QCOMPARE(AnalitzarExpressio(text.toStdString(), mode, taula), codi);
}

void TestCalc::tokenTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("taula");

    Fila("blanks go", " 3 * 4 ", "( 3 * 4 )");
    Fila("plus after ( dropped", "(+5)", "( ( 5 ) )");
    Fila("minus after ( is -1 *", "(-3)", "( ( -1 * 3 ) )");
    Fila("leading minus", "-2^2", "( -1 * 2 ^ 2 )");
    Fila("minus after operator stays", "0 - (-7)", "( 0 - ( -1 * 7 ) )");
    Fila("comma is a point", "3,5", "( 3.5 )");
    Fila("5. is a number", "5.", "( 5 )");
    Fila(".5 is a number", ".5", "( 0.5 )");
    Fila("PI", "( 3.141593 )");
    Fila("digit before PI", "2PI", "( 2 * 3.141593 )");
    Fila("digit before (", "2(3)", "( 2 * ( 3 ) )");
    Fila("digit before variable", "2X", "( 2 * X )");
    Fila("variable before (", "X(2)", "( X * ( 2 ) )");
    // The first pass runs before blanks go: "2 PI" reads as 23.141593.
    Fila("blank before PI joins digits", "2 PI", "( 23.141593 )");
    Fila("digit after P joins", "P5", "( 3.1415935 )");
    Fila("EXP", "EXP(1)", "( EXP ( 1 ) )");
    QTest::newRow("all names")
        << "SIG(ASI(ASG(COS(COG(ACO(ACG(TAN(TAG(ATA(ATG(ABS(LOG(ALO(1))))))))))))))"
        << "( SIG ( ASI ( ASG ( COS ( COG ( ACO ( ACG ( TAN ( TAG ( ATA ( ATG ( ABS ( LOG ( "
           "ALO ( 1 ) ) ) ) ) ) ) ) ) ) ) ) ) ) )";
    Fila("function after minus", "(-SIN(1))", "( ( -1 * SIN ( 1 ) ) )");
}

void TestCalc::tokenTable()
{
    QFETCH(QString, text);
    QFETCH(QString, taula);
    TaulaTokens t;
    QCOMPARE(AnalitzarExpressio(text.toStdString(), 0, t), 0);
    QCOMPARE(Q(Mostrar(t)), taula);
}

void TestCalc::tableHasRoomForLongTexts()
{
    // Each of these 199-character texts gives 267 entries: "(-" becomes
    // "( -1 *", "X(" and "2(" become "X * (" and "2 * (".
    struct Cas {
        std::string text;
        std::string resultat;
    };
    const Cas casos[] = {
        {Repetir("(-", 66) + "1" + Repetir(")", 66), "1"},
        {Repetir("X(", 66) + "1" + Repetir(")", 66), "0"},
        {Repetir("2(", 66) + "1" + Repetir(")", 66),
         Repetir("2(", 66) + "1" + Repetir(")", 66) + kCalcul},
    };
    for (const Cas &cas : casos) {
        TaulaTokens taula;
        QCOMPARE(AnalitzarExpressio(cas.text, 0, taula), 0);
        QCOMPARE(taula.mida, std::size_t(267));
        QCOMPARE(AvaluarExpressio(cas.text), cas.resultat);
    }
}

void TestCalc::computationErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("codi");

    QTest::newRow("1 division by zero") << "5/0" << 1;
    QTest::newRow("1 by X") << "1/X" << 1;
    QTest::newRow("2 0^0") << "0^0" << 2;
    QTest::newRow("2 root of negative") << "(-4)^0.5" << 2;
    QTest::newRow("2 big whole power of negative") << "(-2)^150" << 2;
    // 2/3 is stored a hair above 2/3, so the angle 3 * b * pi passes 2 * pi.
    QTest::newRow("2 (-8)^(2/3)") << "(-8)^(2/3)" << 2;
    QTest::newRow("2 ASI beyond 1") << "ASI(2)" << 2;
    QTest::newRow("2 ACO beyond -1") << "ACO(-1.5)" << 2;
    QTest::newRow("3 LN(0)") << "LN(0)" << 3;
    QTest::newRow("3 LOG of negative") << "LOG(-1)" << 3;
    // 9999999999999999999 is stored as a six-byte real just above 1e19.
    QTest::newRow("4 result above 1e19") << "9999999999999999999" << 4;
    QTest::newRow("4 product result") << "5000000000000000000*3" << 4;
    QTest::newRow("4 sum operand") << "(5000000000000000000*3)-1" << 4;
    QTest::newRow("4 tiny divisor") << "1/(0.0000000001*0.0000000001)" << 4;
    QTest::newRow("4 negative whole power, product above 1e19") << "10^(-20)" << 4;
    QTest::newRow("4 0^-2, product at most 1e-19") << "0^(-2)" << 4;
    QTest::newRow("4 big exponent") << "2^100" << 4;
    QTest::newRow("4 exponent below -88") << "2^(-130)" << 4;
    QTest::newRow("4 EXP(88)") << "EXP(88)" << 4;
    QTest::newRow("4 EXP result") << "EXP(87)" << 4;
    // |a|^b with b near 2 and |a| near 1e38 leaves the six-byte range.
    QTest::newRow("4 beyond a six-byte real")
        << "((0-9000000000000000000)*9000000000000000000)^1.999999" << 4;
    QTest::newRow("4 odd power of negative below -1e19") << "(0-3000000)^3" << 4;
    // Signed bounds: a negative product is "at most 1e-19".
    QTest::newRow("4 (-2)^-1") << "(-2)^(-1)" << 4;
    QTest::newRow("error stops the rest") << "(1/0)+LN(0)" << 1;
    QTest::newRow("first group first") << "LN(0)+(1/0)" << 3;
}

void TestCalc::computationErrors()
{
    QFETCH(QString, text);
    QFETCH(int, codi);
    QCOMPARE(CodiDeCalcul(text.toStdString()), codi);
    QCOMPARE(Q(AvaluarExpressio(text.toStdString())), text + Q(kCalcul));
}

void TestCalc::results_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resultat");

    // Operations and precedence.
    Fila("product", "3 * 4", "12");
    Fila("signed operands", "(-3) * (+5)", "-15");
    Fila("halves", "7/2", "3,5");
    Fila("third", "1/3", "0,333333");
    Fila("negative fraction", "(-7)/4", "-1,75");
    Fila("precedence", "2+3*4^2", "50");
    Fila("left to right", "8-3-2", "3");
    Fila("decimal comma", "3,5+1", "4,5");
    Fila("six-byte sum", "0.1+0.2", "0,3");
    Fila("X is 0", "X+1", "1");
    Fila("tiny negative prints 0", "0-1/3000000", "0");
    // Constants.
    Fila("PI", "3,141593");
    Fila("2PI", "6,283186");
    Fila("NE^2", "7,389057");
    Fila("2 PI joins", "2 PI", "23,141593");
    // Implied multiplication.
    Fila("2(3)", "6");
    Fila("2ABS", "2ABS(0-3)", "6");
    Fila("2X", "2X+5", "5");
    // Functions, radians.
    Fila("SIN(PI/2)", "1");
    Fila("COS(PI)", "-1");
    Fila("TAN(1)", "1,557408");
    Fila("ASE(-1)", "-1,570796");
    Fila("ASI(0.5)", "0,523599");
    Fila("ACO(-1)", "3,141593");
    Fila("ACO(-0.5)", "2,094395");
    // Functions, degrees: the conversion uses 3.141593.
    Fila("SIG(90)", "1");
    Fila("COG(60)", "0,5");
    Fila("COG(90) is a tiny negative", "COG(90)", "0");
    Fila("TAG(45)", "1");
    Fila("TAG(90) is large, not an error", "TAG(90)", "-5773501,937767");
    Fila("ASG(0.5)", "30");
    Fila("ASG(-1)", "-90");
    Fila("ACG(-0.5)", "120");
    Fila("ATG(-1)", "-45");
    // Other functions.
    Fila("ABS", "ABS(-2.5)", "2,5");
    Fila("LOG(1000)", "3");
    Fila("LN(NE)", "1");
    Fila("ALO(-2)", "0,01");
    Fila("EXP(1)", "2,718282");
    Fila("nested", "ABS(SIN(0)-ALO(LOG(5)))", "5");
    // Powers: whole exponents by repeated products.
    Fila("chained from the left", "2^3^2", "64");
    Fila("(-2^2)", "-4");
    Fila("2^(-2)", "0,25");
    Fila("(-2)^3", "-8");
    Fila("(-0.5)^(-2)", "4");
    Fila("10^12", "1000000000000");
    // 10^18 needs 42 significant bits: the stored value is the nearest six-byte real.
    Fila("10^18", "999999999999737856");
    Fila("10^(-19)", "0");
    // A negative product escapes the signed bound until a later check.
    Fila("1/(0-3000000)^3", "0");
    // Powers: other exponents through logarithms.
    Fila("2^0.5", "1,414214");
    Fila("8^(1/3)", "2");
    Fila("2^(1/2*120)", "1152921504606846976");
    Fila("whole exponent of 100 or more", "1.01^200", "7,316018");
    // Powers: negative bases.
    Fila("(-8)^(1/3)", "-2");
    Fila("(-8)^(-1/3)", "(-8)^((-1)/3)", "-0,5");
    Fila("(-32)^0.2", "-2");
    // Formatting of large values.
    Fila("truncated", "123456.75", "123456");
    Fila("negative keeps decimals", "123456.75*(-1)", "-123456,75");
    Fila("above the clamp", "3000000000+0.5", "3000000000");
}

void TestCalc::results()
{
    QFETCH(QString, text);
    QFETCH(QString, resultat);
    QCOMPARE(Q(AvaluarExpressio(text.toStdString())), resultat);
}

void TestCalc::formatting_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("third") << 1.0 / 3 << "0,333333";
    QTest::newRow("negative") << -1.75 << "-1,75";
    QTest::newRow("below half a millionth") << 0.0000004 << "0";
    QTest::newRow("negative below half a millionth") << -0.0000004 << "0";
    QTest::newRow("negative above half a millionth") << -0.0000006 << "-0,000001";
    QTest::newRow("rounds to whole") << 1.9999996 << "2";
    QTest::newRow("exact tie rounds away from zero") << 1.0 / 128 << "0,007813";
    QTest::newRow("above 100000 truncated") << 123456.75 << "123456";
    QTest::newRow("below 100000 kept") << 99999.5 << "99999,5";
    QTest::newRow("negative below -100000 kept") << -123456.75 << "-123456,75";
    QTest::newRow("beyond the clamp") << 3000000000.0 << "3000000000";
    QTest::newRow("negative beyond the clamp") << -3000000000.5 << "-3000000000,5";
    QTest::newRow("largest result") << 1e19 << "10000000000000000000";
}

void TestCalc::formatting()
{
    QFETCH(double, valor);
    QFETCH(QString, text);
    QCOMPARE(Q(FormatarResultat(valor)), text);
}

void TestCalc::sixByteReals_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("cap");
    QTest::addColumn<double>("real48");

    const double u = std::ldexp(1.0, -39); // one unit in the last place at 1
    QTest::newRow("last bit kept") << 1 + u << true << 1 + u;
    QTest::newRow("half unit ties to even, down") << 1 + u / 2 << true << 1.0;
    QTest::newRow("one and a half units ties to even, up") << 1 + 1.5 * u << true << 1 + 2 * u;
    QTest::newRow("above half rounds up") << 1 + u / 2 + u / 1024 << true << 1 + u;
    QTest::newRow("largest") << kMaximReal48 << true << kMaximReal48;
    QTest::newRow("largest plus a quarter unit")
        << kMaximReal48 * (1 + std::ldexp(1.0, -42)) << true << kMaximReal48;
    QTest::newRow("largest plus a unit")
        << kMaximReal48 * (1 + std::ldexp(1.0, -39)) << false << 0.0;
    QTest::newRow("1e39") << 1e39 << false << 0.0;
    QTest::newRow("not a number") << std::nan("") << false << 0.0;
    QTest::newRow("smallest") << kMinimReal48 << true << kMinimReal48;
    QTest::newRow("below the smallest") << kMinimReal48 / 2 << true << 0.0;
    QTest::newRow("negative zero") << -0.0 << true << 0.0;
}

void TestCalc::sixByteReals()
{
    QFETCH(double, valor);
    QFETCH(bool, cap);
    QFETCH(double, real48);
    double resultat = 12345.0;
    QCOMPARE(ArrodonirReal48(valor, resultat), cap);
    if (!cap) {
        QCOMPARE(resultat, 12345.0);
        return;
    }
    QCOMPARE(resultat, real48);
    QVERIFY(!std::signbit(resultat) || real48 < 0);
}

void TestCalc::failureTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("resultat");

    const QByteArray a = "\xC3\xA0";        // two bytes
    const QByteArray euro = "\xE2\x82\xAC"; // three bytes
    QTest::newRow("input kept as written")
        << QByteArray("sin(x") << QByteArray("sin(x = ERROR D'AN\xC3\x80LISIS");
    QTest::newRow("cut inside the error text")
        << QByteArray(250, 'q') + "1" << QByteArray(250, 'q') + "1 = E";
    QTest::newRow("a million characters") << QByteArray(1000000, '1') << QByteArray(255, '1');
    QTest::newRow("stray continuation bytes are characters")
        << "1" + QByteArray(300, '\x80') << "1" + QByteArray(254, '\x80');
    QTest::newRow("cut counts characters") << a.repeated(300) << a.repeated(255);
    QTest::newRow("cut never splits a character")
        << QByteArray(254, 'q') + euro + euro << QByteArray(254, 'q') + euro;
    QTest::newRow("cut keeps the blank")
        << QByteArray(253, 'q') + euro << QByteArray(253, 'q') + euro + " ";
    const QByteArray nul("1\0"
                         "2",
                         3);
    QTest::newRow("null byte") << nul << nul + " = ERROR D'AN\xC3\x80LISIS";
    QTest::newRow("invalid UTF-8")
        << QByteArray("\xFF\xFE") << QByteArray("\xFF\xFE = ERROR D'AN\xC3\x80LISIS");
}

void TestCalc::failureTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, resultat);
    std::string obtingut = AvaluarExpressio(std::string_view(text.constData(), text.size()));
    QCOMPARE(QByteArray::fromStdString(obtingut), resultat);
    QVERIFY(Caracters(obtingut) <= 255);
}

void TestCalc::drillQuestions_data()
{
    QTest::addColumn<int>("maxim");
    QTest::addColumn<int>("termes");
    QTest::addColumn<QString>("signes");

    QTest::newRow("add or subtract two, one digit") << 9 << 2 << "+-";
    QTest::newRow("add or subtract three, one digit") << 9 << 3 << "+-";
    QTest::newRow("multiply two, one digit") << 9 << 2 << "x.";
    QTest::newRow("multiply three, one digit") << 9 << 3 << "x.";
    // The bare forms also cover the one-digit tables of +, - and x.
    QTest::newRow("add or subtract two, two digits") << 99 << 2 << "+-";
    QTest::newRow("multiply two, two digits") << 99 << 2 << "x";
}

void TestCalc::drillQuestions()
{
    QFETCH(int, maxim);
    QFETCH(int, termes);
    QFETCH(QString, signes);
    for (const Pregunta &p : Preguntes(maxim, termes, signes.toStdString())) {
        std::string resultat = AvaluarExpressio(ComLaPregunta(p.text));
        if (resultat != std::to_string(p.valor))
            QFAIL((p.text + " gave " + resultat).c_str());
    }
}

void TestCalc::divisionTable()
{
    for (int q = 0; q <= 9; ++q) { // built backwards from the answer, as the drill does
        for (int d = 1; d <= 9; ++d)
            QCOMPARE(AvaluarExpressio(std::to_string(q * d) + " / " + std::to_string(d)),
                     std::to_string(q));
    }
}

// Random texts of the evaluator's own characters and stray bytes: each one
// gets a number or one of the two failure texts, and only analysed tables
// reach the computation.
void TestCalc::anyTextGetsOneOfThreeOutcomes()
{
    const std::string alfabet = "0123456789.,'+-*/^() XYZPNEISCOTAGLBnx\xC3\x80\t";
    std::mt19937 generador(20261207);
    const QRegularExpression nombre("^-?[0-9]+(,[0-9]{1,6})?$");
    for (int prova = 0; prova < 20000; ++prova) {
        std::string text(generador() % 40, ' ');
        for (char &c : text)
            c = alfabet[generador() % alfabet.size()];
        TaulaTokens taula;
        int analisi = AnalitzarExpressio(text, 0, taula);
        std::string resultat = AvaluarExpressio(text);
        if (analisi != kAnalisiCorrecta) {
            QCOMPARE(resultat, text + kAnalisi);
            continue;
        }
        double valor = 0;
        int calcul = CalcularExpressio(taula, 0.0, valor);
        QVERIFY2(calcul != kTaulaIncoherent, text.c_str());
        if (calcul != kCalculCorrecte)
            QCOMPARE(resultat, text + kCalcul);
        else
            QVERIFY2(nombre.match(Q(resultat)).hasMatch(), (text + " -> " + resultat).c_str());
    }
}

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"
