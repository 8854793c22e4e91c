#include "ConsultaHistoria.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {
// The report reads on the window thread: a lock held by the other copy of
// the program is waited for a short, bounded time.
constexpr int EsperaLectura = 1000;

std::atomic<int> numeroConnexio{0};
} // namespace

ConsultaHistoria::ConsultaHistoria(const QString &cami)
    : m_connexio(QStringLiteral("historia-consulta-%1").arg(++numeroConnexio))
{
    m_error = BaseHistoria::Obrir(cami, m_connexio, EsperaLectura);
}

ConsultaHistoria::~ConsultaHistoria() { BaseHistoria::Tancar(m_connexio); }

QStringList ConsultaHistoria::Alumnes()
{
    QStringList alumnes;
    if (m_error)
        return alumnes;
    QSqlQuery consulta(QSqlDatabase::database(m_connexio, false));
    if (!consulta.exec(QStringLiteral("SELECT DISTINCT alumne FROM sessions ORDER BY alumne"))) {
        m_error = BaseHistoria::Classificar(consulta.lastError());
        return alumnes;
    }
    while (consulta.next())
        alumnes << consulta.value(0).toString();
    return alumnes;
}

std::vector<RespostaDesada> ConsultaHistoria::Respostes(const QString &alumne,
                                                        const QDateTime &des,
                                                        const QDateTime &fins, bool complet)
{
    std::vector<RespostaDesada> files;
    if (m_error)
        return files;
    QSqlQuery consulta(QSqlDatabase::database(m_connexio, false));
    consulta.setForwardOnly(true);
    consulta.prepare(QStringLiteral("SELECT moment, tipus, pregunta, verdicte, ms, sessio%1"
                                    " FROM respostes WHERE alumne = ? AND moment BETWEEN ? AND ?"
                                    " ORDER BY moment, id")
                         .arg(complet ? QStringLiteral(", resposta, pulsacions") : QString()));
    consulta.addBindValue(alumne);
    consulta.addBindValue(des.toMSecsSinceEpoch());
    consulta.addBindValue(fins.toMSecsSinceEpoch());
    if (!consulta.exec()) {
        m_error = BaseHistoria::Classificar(consulta.lastError());
        return files;
    }
    while (consulta.next()) {
        RespostaDesada fila;
        fila.alumne = alumne;
        fila.moment = consulta.value(0).toLongLong();
        fila.tipus = consulta.value(1).toString();
        fila.pregunta = consulta.value(2).toString();
        fila.verdicte = consulta.value(3).toString();
        fila.ms = consulta.value(4).toLongLong();
        fila.sessio = consulta.value(5).toULongLong();
        if (complet) {
            fila.resposta = consulta.value(6).toString();
            fila.pulsacions = consulta.value(7).toInt();
        }
        files.push_back(std::move(fila));
    }
    return files;
}

std::vector<SessioDesada> ConsultaHistoria::Sessions(const QString &alumne, const QDateTime &des,
                                                     const QDateTime &fins)
{
    std::vector<SessioDesada> sessions;
    if (m_error)
        return sessions;
    QSqlQuery consulta(QSqlDatabase::database(m_connexio, false));
    consulta.setForwardOnly(true);
    consulta.prepare(QStringLiteral(
        "SELECT id, inici, tipus, mode, temps_cursa FROM sessions"
        " WHERE alumne = ? AND inici BETWEEN ? AND ? ORDER BY inici, id"));
    consulta.addBindValue(alumne);
    consulta.addBindValue(des.toMSecsSinceEpoch());
    consulta.addBindValue(fins.toMSecsSinceEpoch());
    if (!consulta.exec()) {
        m_error = BaseHistoria::Classificar(consulta.lastError());
        return sessions;
    }
    while (consulta.next()) {
        SessioDesada sessio;
        sessio.id = consulta.value(0).toLongLong();
        sessio.inici = consulta.value(1).toLongLong();
        sessio.tipus = consulta.value(2).toString();
        sessio.mode = ModeJoc(consulta.value(3).toInt());
        sessio.tempsCursa = consulta.value(4).isNull() ? -1 : consulta.value(4).toLongLong();
        sessions.push_back(std::move(sessio));
    }
    return sessions;
}

QDateTime ConsultaHistoria::Primera(const QString &alumne)
{
    if (m_error)
        return {};
    QSqlQuery consulta(QSqlDatabase::database(m_connexio, false));
    consulta.prepare(QStringLiteral("SELECT MIN(inici) FROM sessions WHERE alumne = ?"));
    consulta.addBindValue(alumne);
    if (!consulta.exec() || !consulta.next() || consulta.value(0).isNull())
        return {};
    return QDateTime::fromMSecsSinceEpoch(consulta.value(0).toLongLong());
}

bool ConsultaHistoria::Esborrar(const QString &alumne)
{
    if (m_error)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connexio, false);
    QSqlQuery consulta(db);
    bool fet = consulta.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const char *taula : {"respostes", "sessions"}) {
        if (!fet)
            break;
        consulta.prepare(QStringLiteral("DELETE FROM %1 WHERE alumne = ?").arg(QLatin1String(taula)));
        consulta.addBindValue(alumne);
        fet = consulta.exec();
    }
    if (fet)
        fet = consulta.exec(QStringLiteral("COMMIT"));
    if (!fet) {
        m_error = BaseHistoria::Classificar(consulta.lastError());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    return fet;
}
