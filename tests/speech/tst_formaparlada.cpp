#include "FormaParlada.h"
#include "SubstituirTot.h"

#include <QTest>

class TestFormaParlada : public QObject
{
    Q_OBJECT

private slots:
    void substituirTot_data();
    void substituirTot();
    void formaParlada_data();
    void formaParlada();
};

void TestFormaParlada::substituirTot_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("antic");
    QTest::addColumn<QString>("nou");
    QTest::addColumn<QString>("esperat");

    QTest::newRow("every occurrence") << "a-b-c"
                                      << "-"
                                      << "+"
                                      << "a+b+c";
    QTest::newRow("none") << "abc"
                          << "x"
                          << "y"
                          << "abc";
    QTest::newRow("case counts") << "X x"
                                 << "x"
                                 << "per"
                                 << "X per";
    QTest::newRow("longer pattern") << "1 . 2 . 3"
                                    << " . "
                                    << " per "
                                    << "1 per 2 per 3";
    QTest::newRow("to nothing") << "a--b"
                                << "-"
                                << ""
                                << "ab";
    // Searching again from the start joins what a replacement brings together.
    QTest::newRow("rescans from start") << "aabb"
                                        << "ab"
                                        << ""
                                        << "";
    QTest::newRow("empty pattern") << "abc"
                                   << ""
                                   << "z"
                                   << "abc";
    QTest::newRow("empty text") << ""
                                << "a"
                                << "b"
                                << "";
    QTest::newRow("at both ends") << "-1-"
                                  << "-"
                                  << "menys"
                                  << "menys1menys";
    // A replacement holding the pattern must end rather than grow forever.
    QTest::newRow("new holds old") << "a-b"
                                   << "-"
                                   << "--"
                                   << "a--b";
    QTest::newRow("new holds old twice") << "x x"
                                         << "x"
                                         << "xx"
                                         << "xx xx";
    QTest::newRow("new equals old") << "a+b+"
                                    << "+"
                                    << "+"
                                    << "a+b+";
}

void TestFormaParlada::substituirTot()
{
    QFETCH(QString, text);
    QFETCH(QString, antic);
    QFETCH(QString, nou);
    QFETCH(QString, esperat);
    QCOMPARE(SubstituirTot(text, antic, nou), esperat);
}

void TestFormaParlada::formaParlada_data()
{
    QTest::addColumn<std::optional<Llengua>>("llengua");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("esperat");

    const std::optional<Llengua> ca = Llengua::Catala;
    const std::optional<Llengua> es = Llengua::Castella;
    QTest::newRow("ca times") << ca << "7 x 8"
                              << "7 per 8";
    QTest::newRow("ca divided") << ca << "56 / 7"
                                << "56 dividit entre 7";
    QTest::newRow("ca dot") << ca << "3 . 4"
                            << "3 per 4";
    QTest::newRow("ca signs") << ca << "(-3) + (+5)"
                              << "(menys3) més (més5)";
    QTest::newRow("ca result") << ca << "7 x 8 = 56"
                               << "7 per 8 = 56";
    QTest::newRow("ca minus") << ca << "9 - 4"
                              << "9 menys 4";
    QTest::newRow("ca plain") << ca << "Molt bé"
                              << "Molt bé";
    QTest::newRow("ca three") << ca << "(-2) . (+3) . (-1)"
                              << "(menys2) per (més3) per (menys1)";
    QTest::newRow("es signs") << es << "(-3) - (+5)"
                              << "(menos3) menos (más5)";
    QTest::newRow("es divided") << es << "9 / 3"
                                << "9 dividido entre 3";
    QTest::newRow("es times") << es << "7 x 8 = 56"
                              << "7 por 8 = 56";
    QTest::newRow("es dot") << es << "3 . 4"
                            << "3 por 4";
    QTest::newRow("es plus") << es << "2 + 2"
                             << "2 más 2";
    QTest::newRow("es plain") << es << "Correcto"
                              << "Correcto";
    QTest::newRow("no language") << std::optional<Llengua>() << "(-3) + 7 x 8 / 2"
                                 << "(-3) + 7 x 8 / 2";
}

void TestFormaParlada::formaParlada()
{
    QFETCH(std::optional<Llengua>, llengua);
    QFETCH(QString, text);
    QFETCH(QString, esperat);
    QCOMPARE(FormaParlada(text, llengua), esperat);
}

QTEST_GUILESS_MAIN(TestFormaParlada)
#include "tst_formaparlada.moc"
