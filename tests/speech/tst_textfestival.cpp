#include "TextFestival.h"

#include <QTest>

// How texts are cut and coded for Festival's Catalan voice.
class TestTextFestival : public QObject
{
    Q_OBJECT

private slots:
    void iso885915_data();
    void iso885915();
    void trossos_data();
    void trossos();
    void trossosLlargs();
    void cadenaScheme();
};

void TestTextFestival::iso885915_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("iso");

    QTest::newRow("Catalan letters") << QByteArray("bé, col·lecció, açò") << QByteArray("b\xE9, col\xB7lecci\xF3, a\xE7\xF2");
    QTest::newRow("euro and oe") << QByteArray("5 €, œ") << QByteArray("5 \xA4, \xBD");
    QTest::newRow("typographic apostrophe") << QByteArray("l’hora") << QByteArray("l'hora");
    QTest::newRow("no place in the code page") << QByteArray("a→b") << QByteArray("a b");
    QTest::newRow("control characters") << QByteArray("a\nb\tc") << QByteArray("a b c");
    QTest::newRow("malformed") << QByteArray("a\xC3") << QByteArray("a ");
}

void TestTextFestival::iso885915()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, iso);
    QCOMPARE(QByteArray::fromStdString(TextFestival::Iso885915(utf8.toStdString())), iso);
}

void TestTextFestival::trossos_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("trossos");

    // The praise after a right answer: "=" became "," before it reached us.
    QTest::newRow("lone comma") << "7 per 8 , 56, bé " << QStringList{"7 per 8, 56, bé"};
    QTest::newRow("lone semicolon") << "a ; b" << QStringList{"a;", "b"};
    QTest::newRow("sentences") << "Hola. Què tal? Bé! "
                               << QStringList{"Hola.", "Què tal?", "Bé!"};
    QTest::newRow("decimal point stays") << "3.5 i 2" << QStringList{"3.5 i 2"};
    QTest::newRow("negative number") << "(menys3) més (més5) "
                                     << QStringList{"(menys3) més (més5)"};
    QTest::newRow("only blanks") << "   " << QStringList{};
}

void TestTextFestival::trossos()
{
    QFETCH(QString, text);
    QFETCH(QStringList, trossos);
    QStringList obtinguts;
    for (const std::string &tros : TextFestival::Trossos(text.toStdString()))
        obtinguts << QString::fromStdString(tros);
    QCOMPARE(obtinguts, trossos);
}

void TestTextFestival::trossosLlargs()
{
    // A long text without a sentence's end is cut at blanks, never inside a
    // word, and loses nothing.
    const QString paraules = QStringLiteral("paraula ").repeated(100);
    const auto trossos = TextFestival::Trossos(paraules.toStdString());
    QVERIFY(trossos.size() >= 4);
    QString unit;
    for (const std::string &tros : trossos) {
        QVERIFY(tros.size() <= TextFestival::kMidaTros);
        QVERIFY(QString::fromStdString(tros).endsWith(QStringLiteral("paraula")));
        unit += QString::fromStdString(tros) + QLatin1Char(' ');
    }
    QCOMPARE(unit, paraules);
}

void TestTextFestival::cadenaScheme()
{
    QCOMPARE(TextFestival::CadenaScheme("diu \"hola\" \\ adéu"), "\"diu \\\"hola\\\" \\\\ adéu\"");
}

QTEST_APPLESS_MAIN(TestTextFestival)
#include "tst_textfestival.moc"
