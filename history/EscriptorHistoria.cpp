#include "EscriptorHistoria.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
// A null text would be stored as NULL; an empty answer is an empty text.
QVariant Text(const QString &text) { return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text); }
} // namespace

EscriptorHistoria::~EscriptorHistoria()
{
    if (!m_connexio.isEmpty())
        BaseHistoria::Tancar(m_connexio);
}

void EscriptorHistoria::Obrir(const QString &cami)
{
    m_connexio = QStringLiteral("historia-escriptura-%1").arg(quintptr(this));
    if (ErrorHistoria error = BaseHistoria::Obrir(cami, m_connexio, m_esperaMs)) {
        fallar(error);
        return;
    }
    m_activa = true;
    emit Oberta();
}

void EscriptorHistoria::fallar(const ErrorHistoria &error)
{
    m_activa = false;
    emit Fallada(error);
}

void EscriptorHistoria::Desar(const RespostaDesada &resposta)
{
    if (!m_activa)
        return;
    if (ErrorHistoria error = desar(resposta)) {
        fallar(error);
        return;
    }
    emit Desada(++m_desades);
}

ErrorHistoria EscriptorHistoria::sessioDe(const RespostaDesada &resposta, qint64 &id)
{
    if (const auto trobada = m_sessions.find(resposta.sessio); trobada != m_sessions.end()) {
        id = trobada->second;
        return {};
    }
    QSqlQuery nova(QSqlDatabase::database(m_connexio, false));
    nova.prepare(QStringLiteral(
        "INSERT INTO sessions (inici, alumne, tipus, mode) VALUES (?, ?, ?, ?)"));
    nova.addBindValue(qint64(resposta.moment - resposta.ms));
    nova.addBindValue(Text(resposta.alumne));
    nova.addBindValue(Text(resposta.tipus));
    nova.addBindValue(int(resposta.mode));
    if (!nova.exec())
        return BaseHistoria::Classificar(nova.lastError());
    id = nova.lastInsertId().toLongLong();
    return {};
}

ErrorHistoria EscriptorHistoria::desar(const RespostaDesada &resposta)
{
    QSqlDatabase db = QSqlDatabase::database(m_connexio, false);
    // The write lock is taken at the start, where the wait for another copy
    // of the program applies; a read first could not wait for it later.
    QSqlQuery inici(db);
    if (!inici.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return BaseHistoria::Classificar(inici.lastError());
    qint64 sessio = 0;
    ErrorHistoria error = sessioDe(resposta, sessio);
    if (!error) {
        QSqlQuery fila(db);
        fila.prepare(QStringLiteral(
            "INSERT INTO respostes (moment, alumne, tipus, pregunta, resposta, verdicte, ms,"
            " pulsacions, sessio) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant &valor :
             {QVariant(qint64(resposta.moment)), Text(resposta.alumne), Text(resposta.tipus),
              Text(resposta.pregunta), Text(resposta.resposta), Text(resposta.verdicte),
              QVariant(qint64(resposta.ms)), QVariant(resposta.pulsacions), QVariant(sessio)})
            fila.addBindValue(valor);
        if (!fila.exec())
            error = BaseHistoria::Classificar(fila.lastError());
    }
    QSqlQuery final(db);
    if (!error && !final.exec(QStringLiteral("COMMIT")))
        error = BaseHistoria::Classificar(final.lastError());
    if (error) {
        final.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    m_sessions.emplace(resposta.sessio, sessio);
    return {};
}

void EscriptorHistoria::AcabarCursa(quint64 sessio, qint64 ms)
{
    const auto trobada = m_sessions.find(sessio);
    if (!m_activa || trobada == m_sessions.end())
        return;
    QSqlQuery cursa(QSqlDatabase::database(m_connexio, false));
    cursa.prepare(QStringLiteral("UPDATE sessions SET temps_cursa = ? WHERE id = ?"));
    cursa.addBindValue(ms);
    cursa.addBindValue(trobada->second);
    if (!cursa.exec())
        fallar(BaseHistoria::Classificar(cursa.lastError()));
}
