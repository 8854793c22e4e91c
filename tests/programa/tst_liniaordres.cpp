#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program started from a terminal: what it answers, in which language,
// with which exit status, and that it never opens a window when it should
// not (such a run would not end, and the wait below would fail).
class TestLiniaOrdres : public QObject
{
    Q_OBJECT

private slots:
    void respostes_data();
    void respostes();
};

namespace
{

// An X display number no server listens on.
QString PantallaBuida()
{
    for (int n = 917;; ++n)
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
}

} // namespace

void TestLiniaOrdres::respostes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("llengua");
    // "offscreen": a display that always works; "cap": none set;
    // "tancada": DISPLAY names a display nobody serves.
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<int>("codi");
    // Standard output starts with this; empty means nothing at all.
    QTest::addColumn<QString>("sortida");
    // Standard error, exactly ("%1" is the display); empty means nothing.
    QTest::addColumn<QString>("error");

    const QString versio = QStringLiteral("trimbol " TRIMBOL_VERSIO "\n");
    QTest::newRow("versio") << QStringList{"--version"} << "C"
                            << "offscreen" << 0 << versio << "";
    QTest::newRow("v") << QStringList{"-v"} << "ca_ES.UTF-8"
                       << "offscreen" << 0 << versio << "";
    QTest::newRow("versio sense pantalla") << QStringList{"--version"} << "C"
                                           << "cap" << 0 << versio << "";
    QTest::newRow("ajuda angles") << QStringList{"--help"} << "C"
                                  << "offscreen" << 0
                                  << "Usage: trimbol [options]\nArithmetic drill"
                                  << "";
    QTest::newRow("ajuda catala") << QStringList{"--help"} << "ca_ES.UTF-8"
                                  << "offscreen" << 0 << "Ús: trimbol [opcions]\nPràctica de càlcul"
                                  << "";
    QTest::newRow("ajuda castella") << QStringList{"-h"} << "es_ES.UTF-8"
                                    << "cap" << 0 << "Uso: trimbol [opciones]\nPráctica de cálculo"
                                    << "";
    QTest::newRow("ajuda frances") << QStringList{"--help"} << "fr_FR.UTF-8"
                                   << "offscreen" << 0 << "Usage: trimbol [options]"
                                   << "";
    QTest::newRow("opcio desconeguda")
        << QStringList{"--colour"} << "C"
        << "offscreen" << 2 << ""
        << "trimbol: unknown option '--colour'. Try 'trimbol --help'.\n";
    QTest::newRow("opcio curta catala")
        << QStringList{"-x"} << "ca_ES.UTF-8"
        << "offscreen" << 2 << ""
        << "trimbol: l'opció «-x» no existeix. Proveu «trimbol --help».\n";
    QTest::newRow("desconeguda i ajuda")
        << QStringList{"--help", "--fosc"} << "es_ES.UTF-8"
        << "offscreen" << 2 << ""
        << "trimbol: la opción «--fosc» no existe. Pruebe «trimbol --help».\n";
    QTest::newRow("versio amb valor")
        << QStringList{"--version=3"} << "C"
        << "offscreen" << 2 << ""
        << "trimbol: Unexpected value after '--version'. Try 'trimbol --help'.\n";
    QTest::newRow("argument")
        << QStringList{"deures.txt"} << "C"
        << "offscreen" << 2 << ""
        << "trimbol: unexpected argument 'deures.txt'. Try 'trimbol --help'.\n";
    QTest::newRow("sense pantalla")
        << QStringList{} << "C"
        << "cap" << 1 << ""
        << "trimbol: a graphical desktop is needed, and no display is set "
           "(DISPLAY and WAYLAND_DISPLAY are empty).\n";
    QTest::newRow("pantalla tancada")
        << QStringList{} << "C"
        << "tancada" << 1 << ""
        << "trimbol: a graphical desktop is needed, and the display '%1' "
           "could not be opened.\n";
    QTest::newRow("pantalla tancada catala")
        << QStringList{} << "ca_ES.UTF-8"
        << "tancada" << 1 << ""
        << "trimbol: cal un escriptori gràfic i no s'ha pogut obrir "
           "la pantalla «%1».\n";
}

void TestLiniaOrdres::respostes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, llengua);
    QFETCH(QString, pantalla);
    QFETCH(int, codi);
    QFETCH(QString, sortida);
    QFETCH(QString, error);

    QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY", "WAYLAND_DISPLAY",
                          "QT_QPA_PLATFORM"})
        entorn.remove(QString::fromLatin1(v));
    entorn.insert("LANG", llengua);
    const QString buida = PantallaBuida();
    if (pantalla == "offscreen")
        entorn.insert("QT_QPA_PLATFORM", "offscreen");
    else if (pantalla == "tancada")
        entorn.insert("DISPLAY", buida);
    // Settings, if the program got that far, go to a folder of the test's.
    QTemporaryDir configuracio;
    entorn.insert("XDG_CONFIG_HOME", configuracio.path());

    QProcess programa;
    programa.setProcessEnvironment(entorn);
    programa.setWorkingDirectory(configuracio.path());
    programa.start(QStringLiteral(TRIMBOL_PROGRAMA), arguments);
    QVERIFY(programa.waitForStarted());
    const bool acabat = programa.waitForFinished(120000);
    if (!acabat)
        programa.kill();
    QVERIFY2(acabat, "the program opened its windows");
    const QString fora = QString::fromUtf8(programa.readAllStandardOutput());
    const QString err = QString::fromUtf8(programa.readAllStandardError());

    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), codi);
    if (sortida.isEmpty())
        QCOMPARE(fora, QString());
    else
        QVERIFY2(fora.startsWith(sortida), qPrintable(fora));
    QCOMPARE(err, error.contains("%1") ? error.arg(buida) : error);
}

QTEST_GUILESS_MAIN(TestLiniaOrdres)
#include "tst_liniaordres.moc"
