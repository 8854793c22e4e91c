#include "LlocsPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The help pages of a build or portable copy sit beside the program; those of
// an installation under ../share/trimbol. The options and the about windows
// both find them here.
class TestLlocsPrograma : public QObject
{
    Q_OBJECT

    QTemporaryDir m_arrel;

    void crearPagina(const QString &cami)
    {
        QVERIFY(QDir(m_arrel.path()).mkpath(QFileInfo(m_arrel.filePath(cami)).path()));
        QFile pagina(m_arrel.filePath(cami));
        QVERIFY(pagina.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_arrel.isValid());
        crearPagina(QStringLiteral("build/ajuda/index.html"));
        crearPagina(QStringLiteral("usr/share/trimbol/ajuda/index.html"));
        crearPagina(QStringLiteral("usr/share/trimbol/ajuda/autors.html"));
        QVERIFY(QDir(m_arrel.path()).mkpath(QStringLiteral("usr/bin")));
        crearPagina(QStringLiteral("mixt/bin/ajuda/index.html"));
        crearPagina(QStringLiteral("mixt/share/trimbol/ajuda/index.html"));
        QVERIFY(QDir(m_arrel.path()).mkpath(QStringLiteral("buit")));
    }

    void helpPages_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<bool>("installat");
        QTest::newRow("build tree") << "build"
                                    << "index.html"
                                    << "build/ajuda/index.html" << false;
        QTest::newRow("installation") << "usr/bin"
                                      << "autors.html"
                                      << "usr/share/trimbol/ajuda/autors.html" << true;
        QTest::newRow("beside the program comes first") << "mixt/bin"
                                                        << "index.html"
                                                        << "mixt/bin/ajuda/index.html" << true;
        QTest::newRow("missing page: the address beside the program")
            << "usr/bin"
            << "veus.html"
            << "usr/bin/ajuda/veus.html" << true;
        QTest::newRow("nothing at all") << "buit"
                                        << "index.html"
                                        << "buit/ajuda/index.html" << false;
    }
    void helpPages()
    {
        QFETCH(QString, programa);
        QFETCH(QString, nom);
        QFETCH(QString, pagina);
        QFETCH(bool, installat);
        const QString carpeta = m_arrel.filePath(programa);
        QCOMPARE(LlocsPrograma::paginaAjuda(nom, carpeta),
                 QUrl::fromLocalFile(m_arrel.filePath(pagina)));
        QCOMPARE(LlocsPrograma::esInstallat(carpeta), installat);
    }
};

QTEST_GUILESS_MAIN(TestLlocsPrograma)
#include "tst_llocsprograma.moc"
