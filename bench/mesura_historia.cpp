// The learner's history under load:
//  - storing one answer (its own transaction) with 1 000 000 answers stored;
//  - opening the report window of a learner with 100 000 answers.
// Prints the median and the 90th percentile of each, in milliseconds.
//   QT_QPA_PLATFORM=offscreen build-bench/mesura_historia [answers]
#include "BaseHistoria.h"
#include "ConsultaHistoria.h"
#include "EscriptorHistoria.h"
#include "Informe.h"
#include "TFormInforme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const char *const Preguntes[] = {"7 x 8", "6 x 9", "3 + 4", "12 - 5", "42 / 6", "9 x 9"};

// Fills the file fast, in one transaction: 10 learners, the first with a
// tenth of the answers, in sessions of 50.
void Omplir(const QString &cami, int total)
{
    BaseHistoria::Obrir(cami, QStringLiteral("omplir"), 5000);
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("omplir"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        QSqlQuery sessio(db), fila(db);
        sessio.prepare(QStringLiteral("INSERT INTO sessions (id, inici, alumne, tipus, mode) VALUES (?, ?, ?, 'TM1X', 0)"));
        fila.prepare(QStringLiteral("INSERT INTO respostes (moment, alumne, tipus, pregunta, resposta,"
                                    " verdicte, ms, pulsacions, sessio) VALUES (?, ?, 'TM1X', ?, '56', ?, ?, 0, ?)"));
        const qint64 inici = QDateTime::currentMSecsSinceEpoch() - qint64(total) * 5000;
        for (int i = 0; i < total; ++i) {
            const QString alumne = QStringLiteral("Alumne %1").arg(i % 10);
            const qint64 moment = inici + qint64(i) * 5000;
            const int numSessio = i / 500 * 10 + i % 10 + 1;
            if (i % 500 < 10) {
                sessio.addBindValue(numSessio);
                sessio.addBindValue(moment);
                sessio.addBindValue(alumne);
                sessio.exec();
            }
            fila.addBindValue(moment);
            fila.addBindValue(alumne);
            fila.addBindValue(QString::fromLatin1(Preguntes[i % 6]));
            fila.addBindValue(i % 7 ? QStringLiteral("C") : QStringLiteral("I"));
            fila.addBindValue(1000 + i % 3000);
            fila.addBindValue(numSessio);
            fila.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
    }
    BaseHistoria::Tancar(QStringLiteral("omplir"));
}

void Dir(const char *nom, std::vector<double> temps)
{
    std::sort(temps.begin(), temps.end());
    std::printf("%-40s median %8.3f ms   p90 %8.3f ms   (%zu runs)\n", nom, temps[temps.size() / 2],
                temps[temps.size() * 9 / 10], temps.size());
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int total = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir carpeta;
    const QString cami = carpeta.filePath(QStringLiteral("historial.sqlite"));
    QElapsedTimer rellotge;
    rellotge.start();
    Omplir(cami, total);
    std::printf("filled %d answers in %.1f s\n", total, rellotge.elapsed() / 1000.0);

    EscriptorHistoria escriptor(5000);
    escriptor.Obrir(cami);
    std::vector<double> desar;
    for (int i = 0; i < 500; ++i) {
        RespostaDesada r;
        r.moment = QDateTime::currentMSecsSinceEpoch();
        r.alumne = QStringLiteral("Alumne 0");
        r.tipus = QStringLiteral("TM1X");
        r.pregunta = QStringLiteral("7 x 8");
        r.resposta = QStringLiteral("56");
        r.verdicte = QStringLiteral("C");
        r.ms = 2000;
        r.sessio = std::uint64_t(i / 50);
        rellotge.restart();
        escriptor.Desar(r);
        desar.push_back(double(rellotge.nsecsElapsed()) / 1e6);
    }
    Dir("store one answer", desar);

    // Where the time of the report goes: reading the rows, then the figures.
    std::vector<double> llegir, calcular;
    for (int i = 0; i < 7; ++i) {
        rellotge.restart();
        ConsultaHistoria consulta(cami);
        const QDateTime des = QDateTime::fromMSecsSinceEpoch(0), fins = QDateTime::currentDateTime();
        const auto respostes = consulta.Respostes(QStringLiteral("Alumne 0"), des, fins, false);
        const auto sessions = consulta.Sessions(QStringLiteral("Alumne 0"), des, fins);
        llegir.push_back(double(rellotge.nsecsElapsed()) / 1e6);
        rellotge.restart();
        const Informe informe(respostes, sessions);
        calcular.push_back(double(rellotge.nsecsElapsed()) / 1e6);
    }
    Dir("  of which: read the learner's rows", llegir);
    Dir("  of which: compute the figures", calcular);

    std::vector<double> obrir;
    for (int i = 0; i < 7; ++i) {
        rellotge.restart();
        TFormInforme informe(cami, QStringLiteral("Alumne 0"), Llengua::Catala);
        obrir.push_back(double(rellotge.nsecsElapsed()) / 1e6);
    }
    Dir("open the report (learner's answers)", obrir);
    return 0;
}
