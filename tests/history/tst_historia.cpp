#include "app/Finestres.h"
#include "ConsultaHistoria.h"
#include "Escaneig.h"
#include "Historia.h"
#include "ModalHelper.h"

#include <QMessageBox>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <thread>
#include <unistd.h>

// The learner's history as the drill fills it: answers given with clicks,
// keys and switches land in the file with their verdict, time and presses;
// a file that cannot be kept is said once and the drill goes on; a program
// killed between answers leaves every earlier answer.
class TestHistoria : public QObject
{
    Q_OBJECT

    static std::vector<RespostaDesada> Totes(const QString &cami, const QString &alumne)
    {
        ConsultaHistoria consulta(cami);
        return consulta.Respostes(alumne, QDateTime::fromMSecsSinceEpoch(0),
                                  QDateTime::currentDateTime().addDays(1));
    }

    static void clicar(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Runs copies of the helper program on one file until each has stored
    // `quantes` answers (or a minute has gone), then kills them all.
    static std::vector<qint64> Matar(const QString &cami, int copies, qint64 quantes)
    {
        std::vector<std::unique_ptr<QProcess>> fills;
        std::vector<qint64> desades(std::size_t(copies), 0);
        for (int i = 0; i < copies; ++i) {
            fills.push_back(std::make_unique<QProcess>());
            fills.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            fills.back()->start(QStringLiteral(AJUDANT), {cami});
            fills.back()->waitForStarted(10000);
        }
        QElapsedTimer limit;
        limit.start();
        const auto acabat = [&] {
            return std::all_of(desades.begin(), desades.end(), [&](qint64 d) { return d >= quantes; });
        };
        while (!acabat() && limit.elapsed() < 60000)
            for (int i = 0; i < copies; ++i) {
                QProcess &fill = *fills[std::size_t(i)];
                fill.waitForReadyRead(50);
                while (fill.canReadLine()) {
                    const QByteArray linia = fill.readLine().trimmed();
                    if (linia.startsWith("desades "))
                        desades[std::size_t(i)] = linia.mid(8).toLongLong();
                }
            }
        for (auto &fill : fills) {
            ::kill(pid_t(fill->processId()), SIGKILL);
            fill->waitForFinished(10000);
        }
        return desades;
    }

private slots:
    void cleanup() { Rellotge::setTickFix(std::nullopt); }

    // Clicks and keys, each answer with the program's own times: the tick is
    // frozen while the learner "thinks" and moved on before each press.
    void answersLandWithVerdictsAndTimes()
    {
        Finestres f;
        const QString cami = f.carpeta.filePath(QStringLiteral("dades/historial.sqlite"));
        f.principal.ObrirHistoria(cami);
        f.principal.show();
        Rellotge::setTickFix(1000);
        f.principal.GenerarPregunta();
        f.pregunta(QStringLiteral("7 x 8"));
        Rellotge::setTickFix(3500);
        clicar(f.ui().Button5);
        clicar(f.ui().Button6);
        QTest::keyClick(f.ui().EditResultat, Qt::Key_Return); // correct, 2.5 s
        f.pregunta(QStringLiteral("3 x 4"));
        Rellotge::setTickFix(5000);
        QTest::keyClicks(f.ui().EditResultat, QStringLiteral("13"));
        clicar(f.ui().BitBtnDAcord); // wrong, 1.5 s; the question comes back
        Rellotge::setTickFix(9000);
        clicar(f.ui().ButtonNou); // skipped 4 s after it came back
        QVERIFY(f.principal.historia()->Buidar(5000));
        QVERIFY(f.principal.historia()->Activa());

        const auto files = Totes(cami, f.opcions.Alumne());
        QCOMPARE(files.size(), 3u);
        const QStringList preguntes{"7 x 8", "3 x 4", "3 x 4"};
        const QStringList respostes{"56", "13", ""};
        const QStringList verdictes{"C", "I", "NC"};
        const std::int64_t temps[] = {2500, 1500, 4000};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(files[i].pregunta, preguntes[i]);
            QCOMPARE(files[i].resposta, respostes[i]);
            QCOMPARE(files[i].verdicte, verdictes[i]);
            QCOMPARE(files[i].ms, temps[i]);
            QCOMPARE(files[i].tipus, QStringLiteral("TM1X"));
            QCOMPARE(files[i].pulsacions, 0);
        }
        // The clipboard record is as it always was.
        const QStringList registre = f.registre();
        QVERIFY(registre.contains(QStringLiteral("7 x 8 = \t56\tC\tP:\t1\tC:\t1")));
        QVERIFY(registre.contains(QStringLiteral("3 x 4 =| \t13\tI\tP:\t2\tC:\t1")));
    }

    // Directed scanning by keys: Enter steps the frame, Space works the key.
    // Every press from the question shown to "D'acord" is counted.
    void switchPressesAreCounted()
    {
        Finestres f;
        const QString cami = f.carpeta.filePath(QStringLiteral("historial.sqlite"));
        f.principal.ObrirHistoria(cami);
        f.principal.show();
        RespondreModal<TFormTTS>([&](QWidget *) {
            auto *dirigit = f.opcions.ui->CheckBoxEscaneigDirigit;
            QTest::mouseClick(dirigit, Qt::LeftButton, {}, QPoint(8, dirigit->height() / 2));
            QTest::mouseClick(f.opcions.ui->BitBtnDAcord, Qt::LeftButton);
        });
        f.principal.SpeedButtonMenuClick();
        f.pregunta(QStringLiteral("2 x 3"));
        int premudes = 0;
        const auto anarA = [&](QWidget *tecla) {
            for (int pas = 0; pas < 2 * Escaneig::NombrePunts &&
                              f.principal.escaneig().TeclaEnmarcada() != tecla;
                 ++pas, ++premudes)
                QTest::keyClick(f.principal.focusWidget(), Qt::Key_Return);
            QTest::keyClick(f.principal.focusWidget(), Qt::Key_Space);
            ++premudes;
        };
        anarA(f.ui().Button6);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("6"));
        anarA(f.ui().BitBtnDAcord);
        QVERIFY(f.principal.historia()->Buidar(5000));
        const auto files = Totes(cami, f.opcions.Alumne());
        QCOMPARE(files.size(), 1u);
        QCOMPARE(files[0].verdicte, QStringLiteral("C"));
        QVERIFY(premudes > 2);
        QCOMPARE(files[0].pulsacions, premudes);
    }

    void badStorageIsSaidOnce_data()
    {
        QTest::addColumn<QString>("dany");
        QTest::addColumn<QString>("motiu");
        QTest::newRow("damaged file") << "malmes" << "malmès";
        QTest::newRow("folder is a file") << "carpeta" << "no es pot escriure";
        QTest::newRow("read-only folder") << "nomes-lectura" << "no es pot escriure";
    }
    // The message names the reason; the drill and its record go on; the file
    // that was there is left byte for byte.
    void badStorageIsSaidOnce()
    {
        QFETCH(QString, dany);
        QFETCH(QString, motiu);
        if (dany == QLatin1String("nomes-lectura") && geteuid() == 0)
            QSKIP("root writes in a read-only folder");
        Finestres f;
        const QString carpeta = f.carpeta.filePath(QStringLiteral("trimbol"));
        QString cami = carpeta + QStringLiteral("/historial.sqlite");
        const QByteArray brossa(4096, '\x5a');
        if (dany == QLatin1String("malmes")) {
            QDir().mkpath(carpeta);
            QFile fitxer(cami);
            QVERIFY(fitxer.open(QIODevice::WriteOnly));
            fitxer.write(brossa);
        } else if (dany == QLatin1String("carpeta")) {
            QFile fitxer(carpeta);
            QVERIFY(fitxer.open(QIODevice::WriteOnly));
        } else {
            QDir().mkpath(carpeta);
            QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner);
        }
        int missatges = 0;
        QString text;
        const auto mirar = [&](QWidget *modal) {
            ++missatges;
            text = static_cast<QMessageBox *>(modal)->text();
        };
        RespondreModal<QMessageBox>(mirar, &f.principal);
        f.principal.ObrirHistoria(cami);
        f.principal.show();
        QTRY_COMPARE(missatges, 1);
        QVERIFY2(text.contains(motiu), qPrintable(text));
        QVERIFY(text.contains(cami));
        RespondreModal<QMessageBox>(mirar, &f.principal, 50);
        for (int i = 0; i < 2; ++i) {
            f.pregunta(QStringLiteral("2 x 2"));
            QTest::keyClicks(f.ui().EditResultat, QStringLiteral("4"));
            QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        }
        QCOMPARE(f.principal.NombreCorrectes, 2);
        QVERIFY(f.registre().contains(QStringLiteral("2 x 2 = \t4\tC\tP:\t2\tC:\t2")));
        QTest::qWait(300);
        QCOMPARE(missatges, 1);
        QVERIFY(!f.principal.historia()->Activa());
        if (dany == QLatin1String("malmes")) {
            QFile fitxer(cami);
            QVERIFY(fitxer.open(QIODevice::ReadOnly));
            QCOMPARE(fitxer.readAll(), brossa);
        }
        QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Killed in the middle of its answers, the program leaves a file that
    // opens, with every answer it had reported stored, in order.
    void killedProgramKeepsEarlierAnswers()
    {
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("historial.sqlite"));
        const qint64 desades = Matar(cami, 1, 25).front();
        QVERIFY(desades >= 25);

        ConsultaHistoria consulta(cami);
        QVERIFY2(!consulta.Error(), qPrintable(consulta.Error().detall));
        const QStringList alumnes = consulta.Alumnes();
        QCOMPARE(alumnes.size(), 1);
        const auto files = consulta.Respostes(alumnes[0], QDateTime::fromMSecsSinceEpoch(0),
                                              QDateTime::currentDateTime().addDays(1));
        QVERIFY(qint64(files.size()) >= desades);
        for (qint64 i = 0; i < desades; ++i)
            QCOMPARE(files[std::size_t(i)].pregunta, QStringLiteral("%1 x 1").arg(i + 1));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("comprovar"));
        db.setDatabaseName(cami);
        QVERIFY(db.open());
        {
            QSqlQuery integritat(db);
            QVERIFY(integritat.exec(QStringLiteral("PRAGMA integrity_check")) && integritat.next());
            QCOMPARE(integritat.value(0).toString(), QStringLiteral("ok"));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("comprovar"));
    }

    // On the first start the writer creates the file while the options
    // window reads the known learners from it: neither may find it locked.
    void firstStartCreatesTheFileOnce()
    {
        for (int vegada = 0; vegada < 200; ++vegada) {
            QTemporaryDir carpeta;
            const QString cami = carpeta.filePath(QStringLiteral("historial.sqlite"));
            QSemaphore sortida;
            ErrorHistoria altre;
            std::thread fil([&] {
                sortida.acquire();
                altre = BaseHistoria::Obrir(cami, QStringLiteral("altre"), 5000);
                BaseHistoria::Tancar(QStringLiteral("altre"));
            });
            sortida.release();
            const ErrorHistoria error = BaseHistoria::Obrir(cami, QStringLiteral("aquest"), 5000);
            BaseHistoria::Tancar(QStringLiteral("aquest"));
            fil.join();
            QCOMPARE(error.detall, QString());
            QCOMPARE(altre.detall, QString());
        }
    }

    // Two copies of the program on one file both keep all their answers.
    void twoCopiesBothKeepTheirAnswers()
    {
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("historial.sqlite"));
        const std::vector<qint64> desades = Matar(cami, 2, 15);
        QVERIFY(desades[0] >= 15 && desades[1] >= 15);
        ConsultaHistoria consulta(cami);
        const auto files = consulta.Respostes(consulta.Alumnes().value(0),
                                              QDateTime::fromMSecsSinceEpoch(0),
                                              QDateTime::currentDateTime().addDays(1));
        QVERIFY(qint64(files.size()) >= desades[0] + desades[1]);
    }
};

QTEST_MAIN(TestHistoria)
#include "tst_historia.moc"
