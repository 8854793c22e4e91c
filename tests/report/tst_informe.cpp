#include "ConsultaHistoria.h"
#include "GraficRitme.h"
#include "Historia.h"
#include "ModalHelper.h"
#include "TFormInforme.h"
#include "TFormInformeUi.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLineSeries>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

// The report window against a small set of answers built by hand, whose
// figures are worked out below.
class TestInforme : public QObject
{
    Q_OBJECT

    QTemporaryDir carpeta;
    QString cami;

    struct Fila {
        const char *pregunta, *verdicte;
        int ms;
    };
    // Answers of one session, a minute apart from the previous session's.
    static void Sessio(Historia &h, std::uint64_t sessio, const QString &alumne, const char *tipus,
                       ModeJoc mode, std::initializer_list<Fila> files)
    {
        static std::int64_t moment = QDateTime::currentMSecsSinceEpoch() - 3600 * 1000;
        for (const Fila &f : files) {
            RespostaDesada r;
            r.moment = moment += 10000;
            r.alumne = alumne;
            r.tipus = QString::fromLatin1(tipus);
            r.pregunta = QString::fromLatin1(f.pregunta);
            r.resposta = QStringLiteral("1");
            r.verdicte = QString::fromLatin1(f.verdicte);
            r.ms = f.ms;
            r.sessio = sessio;
            r.mode = mode;
            h.Anotar(r);
        }
    }

    static QString CsvCamp(QStringList &camps, const QString &linia)
    {
        // A CSV line with quoted fields, read back by hand.
        QString actual;
        bool cometes = false;
        for (qsizetype i = 0; i < linia.size(); ++i) {
            const QChar c = linia[i];
            if (cometes && c == u'"' && i + 1 < linia.size() && linia[i + 1] == u'"') {
                actual += c;
                ++i;
            } else if (c == u'"') {
                cometes = !cometes;
            } else if (c == u',' && !cometes) {
                camps << actual;
                actual.clear();
            } else {
                actual += c;
            }
        }
        camps << actual;
        return actual;
    }

    QString desar(QPushButton *boto, const QString &nom)
    {
        const QString fitxer = carpeta.filePath(nom);
        RespondreModal<QFileDialog>([fitxer](QWidget *w) {
            auto *dialeg = static_cast<QFileDialog *>(w);
            dialeg->selectFile(fitxer);
            static_cast<QDialog *>(dialeg)->accept(); // the dialog's own "Save"
        });
        QTest::mouseClick(boto, Qt::LeftButton);
        return fitxer;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
        cami = carpeta.filePath(QStringLiteral("historial.sqlite"));
        Historia h;
        h.Obrir(cami);
        // Drill, multiplication: 4 answers, 2 correct, times 4, 2, 1, 5 s.
        Sessio(h, 1, QStringLiteral("Pujol, Anna"), "TM1X", ModeJoc::Normal,
               {{"7 x 8", "I", 4000}, {"7 x 8", "C", 2000}, {"3 x 4", "C", 1000}, {"6 x 9", "NC", 5000}});
        // "Operacions 60''": 3 correct.
        Sessio(h, 2, QStringLiteral("Pujol, Anna"), "TM1X", ModeJoc::Operacions60,
               {{"2 x 2", "C", 1000}, {"2 x 3", "C", 1000}, {"2 x 4", "C", 2000}});
        // "Contrarrellotge 32" (shortened), addition, finished in 83.449 s.
        Sessio(h, 3, QStringLiteral("Pujol, Anna"), "TS1X", ModeJoc::Contrarrellotge32,
               {{"1 + 1", "C", 500}});
        h.AcabarCursa(3, 83449);
        Sessio(h, 4, QStringLiteral("Biel"), "TM1X", ModeJoc::Normal, {{"7 x 8", "C", 900}});
        QVERIFY(h.Buidar(5000));
    }

    void figuresAgreeWithTheAnswers()
    {
        TFormInforme informe(cami, QStringLiteral("Pujol, Anna"), Llengua::Catala);
        auto &ui = *informe.ui;
        QCOMPARE(ui.ComboBoxAlumneInforme->count(), 2);
        // Multiplication 7 answers, 5 correct, median of 1,1,1,2,2,4,5 s;
        // addition 1 answer in 0.5 s.
        QTableWidget *tipus = ui.TableWidgetTipus;
        QCOMPARE(tipus->rowCount(), 2);
        const auto fila = [tipus](int r) {
            QStringList valors;
            for (int c = 0; c < 4; ++c)
                valors << tipus->item(r, c)->text();
            return valors;
        };
        QCOMPARE(fila(0), (QStringList{"Taules de multiplicar. 1 xifra", "7", "71 %", "2,0 s"}));
        QCOMPARE(fila(1), (QStringList{"Taules de sumar. 1 xifra", "1", "100 %", "0,5 s"}));
        QVERIFY(ui.LabelMillor60->text().contains(QStringLiteral(": 3 correctes per minut")));
        QVERIFY(ui.LabelMillor32->text().contains(QStringLiteral(": 83,4 segons")));

        // 7 x 8: row 7, column 8; one miss in two, median 3 s.
        QTableWidgetItem *cela = ui.TableWidgetGraella->item(6, 7);
        QCOMPARE(cela->text(), QStringLiteral("3,0"));
        QCOMPARE(cela->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("7 x 8: 50 % d'errors, mediana 3,0 segons, 2 respostes"));
        QTableWidgetItem *sempre = ui.TableWidgetGraella->item(2, 3); // 3 x 4, never missed
        QTableWidgetItem *mai = ui.TableWidgetGraella->item(5, 8);    // 6 x 9, always missed
        QVERIFY(sempre->background().color().hue() > cela->background().color().hue());
        QVERIFY(cela->background().color().hue() > mai->background().color().hue());
        QCOMPARE(ui.TableWidgetGraella->item(0, 0)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("1 x 1: sense respostes"));
        // The screen reader hears the cell's name.
        QAccessibleInterface *graella = QAccessible::queryAccessibleInterface(ui.TableWidgetGraella);
        bool trobada = false;
        for (int i = 0; i < graella->childCount() && !trobada; ++i)
            trobada = graella->child(i)->text(QAccessible::Name).startsWith(QStringLiteral("7 x 8: 50 %"));
        QVERIFY(trobada);

        // Most misses first, then the higher rate.
        QCOMPARE(ui.ListWidgetMesFallats->count(), 2);
        QCOMPARE(ui.ListWidgetMesFallats->item(0)->text(), QStringLiteral("6 x 9: 1 fallades de 1"));
        QCOMPARE(ui.ListWidgetMesFallats->item(1)->text(), QStringLiteral("7 x 8: 1 fallades de 2"));

        // Correct per minute of answering: 2 in 12 s, 3 in 4 s, 1 in 0.5 s.
        const auto series = informe.Grafic()->chart()->series();
        auto *linia = qobject_cast<QLineSeries *>(series.value(0));
        QVERIFY(linia);
        QCOMPARE(linia->points(), (QList<QPointF>{{1, 10}, {2, 45}, {3, 120}}));
        QVERIFY(informe.Grafic()->accessibleDescription().startsWith(QStringLiteral("3 sessions")));
    }

    void otherKindAndLearnerByKeys()
    {
        TFormInforme informe(cami, QStringLiteral("Pujol, Anna"), Llengua::Castella);
        auto &ui = *informe.ui;
        informe.show();
        // Up from multiplication is subtraction: no answers there.
        ui.ComboBoxTaula->setFocus();
        QTest::keyClick(ui.ComboBoxTaula, Qt::Key_Up);
        QCOMPARE(ui.ComboBoxTaula->currentText(), QStringLiteral("Tablas de restar. 1 cifra"));
        QCOMPARE(ui.ListWidgetMesFallats->count(), 0);
        QCOMPARE(ui.TableWidgetGraella->item(3, 2)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("5 - 3: sin respuestas"));
        // The other learner, by the keyboard.
        ui.ComboBoxAlumneInforme->setFocus();
        QTest::keyClick(ui.ComboBoxAlumneInforme, Qt::Key_Up);
        QCOMPARE(ui.ComboBoxAlumneInforme->currentText(), QStringLiteral("Biel"));
        QCOMPARE(ui.TableWidgetTipus->rowCount(), 1);
        QCOMPARE(ui.TableWidgetTipus->item(0, 1)->text(), QStringLiteral("1"));
    }

    void csvReadsBack()
    {
        TFormInforme informe(cami, QStringLiteral("Pujol, Anna"), Llengua::Catala);
        informe.show();
        const QString fitxer = desar(informe.ui->ButtonExportar, QStringLiteral("anna.csv"));
        QFile csv(fitxer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QByteArray text = csv.readAll();
        QVERIFY(text.startsWith("\xEF\xBB\xBF"));
        const QStringList linies =
            QString::fromUtf8(text.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(linies.size(), 1 + 8);
        QCOMPARE(linies[0], QStringLiteral("moment,alumne,tipus,pregunta,resposta,verdicte,ms,pulsacions,sessio"));
        QStringList camps;
        CsvCamp(camps, linies[1]);
        QCOMPARE(camps.size(), 9);
        QVERIFY(QDateTime::fromString(camps[0], Qt::ISODate).isValid());
        QCOMPARE(camps.mid(1, 7), (QStringList{"Pujol, Anna", "TM1X", "7 x 8", "1", "I", "4000", "0"}));
    }

    void pdfIsWritten()
    {
        TFormInforme informe(cami, QStringLiteral("Pujol, Anna"), Llengua::Catala);
        informe.show();
        const QString fitxer = desar(informe.ui->ButtonPdf, QStringLiteral("anna.pdf"));
        QFile pdf(fitxer);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 1000);
    }

    // With TRIMBOL_CAPTURES=<folder>, pictures of the window in both
    // languages, for a learner with a few weeks of answers.
    void captures()
    {
        const QString desti = qEnvironmentVariable("TRIMBOL_CAPTURES");
        if (desti.isEmpty())
            QSKIP("TRIMBOL_CAPTURES not set");
        {
            Historia h;
            h.Obrir(cami);
            std::mt19937 atzar(7);
            std::int64_t moment = QDateTime::currentMSecsSinceEpoch() - 20LL * 86400000;
            for (std::uint64_t sessio = 100; sessio < 120; ++sessio) {
                moment += 86400000;
                for (int i = 0; i < 40; ++i) {
                    RespostaDesada r;
                    const int a = int(atzar() % 10) + 1, b = int(atzar() % 10) + 1;
                    const int dificultat = (a >= 6 && b >= 6) ? 35 : 8;
                    const bool be = int(atzar() % 100) >= dificultat - int(sessio - 100);
                    r.moment = moment + i * 6000;
                    r.alumne = QStringLiteral("Marta");
                    r.tipus = QStringLiteral("TM1X");
                    r.pregunta = QStringLiteral("%1 x %2").arg(a).arg(b);
                    r.resposta = QString::number(be ? a * b : a * b + 1);
                    r.verdicte = be ? QStringLiteral("C") : QStringLiteral("I");
                    r.ms = 900 + int(atzar() % 1500) + (a * b > 30 ? 1500 : 0) - int(sessio - 100) * 30;
                    r.sessio = sessio;
                    r.mode = sessio % 4 == 0 ? ModeJoc::Operacions60 : ModeJoc::Normal;
                    h.Anotar(r);
                }
            }
            QVERIFY(h.Buidar(5000));
        }
        for (const Llengua llengua : {Llengua::Catala, Llengua::Castella}) {
            TFormInforme informe(cami, QStringLiteral("Marta"), llengua);
            informe.show();
            QTest::qWait(200);
            const QString fitxer = QStringLiteral("%1/informe-%2.png")
                                       .arg(desti, llengua == Llengua::Catala ? "ca" : "es");
            QVERIFY(informe.grab().save(fitxer));
        }
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("confirmar");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, confirmar);
        TFormInforme informe(cami, QStringLiteral("Biel"), Llengua::Catala);
        informe.show();
        auto vist = RespondreModal<QMessageBox>([confirmar](QWidget *w) {
            auto *pregunta = static_cast<QMessageBox *>(w);
            QTest::mouseClick(pregunta->button(confirmar ? QMessageBox::Yes : QMessageBox::No),
                              Qt::LeftButton);
        });
        QTest::mouseClick(informe.ui->ButtonEsborrarAlumne, Qt::LeftButton);
        QVERIFY(*vist);
        const QStringList alumnes = ConsultaHistoria(cami).Alumnes();
        QCOMPARE(alumnes.contains(QStringLiteral("Biel")), !confirmar);
        QVERIFY(alumnes.contains(QStringLiteral("Pujol, Anna")));
    }
};

QTEST_MAIN(TestInforme)
#include "tst_informe.moc"
