#include "BaseHistoria.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

namespace {
// SQLite's primary result codes that tell the learner's teacher something.
constexpr int SqliteBusy = 5, SqliteLocked = 6, SqliteReadOnly = 8, SqliteIoErr = 10,
              SqliteCorrupt = 11, SqliteFull = 13, SqliteCantOpen = 14, SqlitePerm = 3,
              SqliteNotADb = 26;

const char *const Esquema[] = {
    "CREATE TABLE IF NOT EXISTS sessions ("
    " id INTEGER PRIMARY KEY,"
    " inici INTEGER NOT NULL," // ms since 1970, UTC: the first answer
    " alumne TEXT NOT NULL,"
    " tipus TEXT NOT NULL,"
    " mode INTEGER NOT NULL," // 0 drill, 1 "Operacions 60''", 2 "Contrarrellotge 32"
    " temps_cursa INTEGER)",  // ms to the 32nd correct answer, once reached
    "CREATE TABLE IF NOT EXISTS respostes ("
    " id INTEGER PRIMARY KEY,"
    " moment INTEGER NOT NULL,"
    " alumne TEXT NOT NULL,"
    " tipus TEXT NOT NULL,"
    " pregunta TEXT NOT NULL,"
    " resposta TEXT NOT NULL,"
    " verdicte TEXT NOT NULL CHECK (verdicte IN ('C', 'I', 'NC')),"
    " ms INTEGER NOT NULL,"
    " pulsacions INTEGER NOT NULL,"
    " sessio INTEGER NOT NULL REFERENCES sessions(id))",
    // The report reads one learner over a range of days.
    "CREATE INDEX IF NOT EXISTS respostes_alumne ON respostes(alumne, moment)",
    "CREATE INDEX IF NOT EXISTS sessions_alumne ON sessions(alumne, inici)",
};

ErrorHistoria Executar(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery consulta(db);
    if (!consulta.exec(sql))
        return BaseHistoria::Classificar(consulta.lastError());
    return {};
}

// Switching a new file to WAL fails at once, without the busy wait, while
// another connection is opening it too: on the first start the writer and
// the learner list do. It is tried again within the same bound.
ErrorHistoria PassarAWal(QSqlDatabase &db, int esperaMs)
{
    const QDeadlineTimer limit(esperaMs);
    for (;;) {
        // The first statement reads the file: a file that is not a database
        // fails here, before anything is written to it.
        QSqlQuery wal(db);
        if (wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return {};
        const ErrorHistoria error = BaseHistoria::Classificar(wal.lastError());
        if (error.falla != FallaHistoria::Bloquejada || limit.hasExpired())
            return error;
        QThread::msleep(10);
    }
}

ErrorHistoria CrearEsquema(QSqlDatabase &db)
{
    // The write lock is taken first, where the busy wait applies: a
    // transaction that had read the schema before the other connection
    // created it could not wait for it.
    if (ErrorHistoria error = Executar(db, QStringLiteral("BEGIN IMMEDIATE")))
        return error;
    for (const char *sql : Esquema)
        if (ErrorHistoria error = Executar(db, QString::fromLatin1(sql))) {
            Executar(db, QStringLiteral("ROLLBACK"));
            return error;
        }
    if (ErrorHistoria error = Executar(db, QStringLiteral("COMMIT"))) {
        Executar(db, QStringLiteral("ROLLBACK"));
        return error;
    }
    return {};
}
} // namespace

namespace BaseHistoria {

QString CamiPerDefecte()
{
    // GenericDataLocation follows XDG_DATA_HOME, ~/.local/share otherwise.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/trimbol/historial.sqlite");
}

ErrorHistoria Classificar(const QSqlError &error)
{
    bool numeric = false;
    const int codi = error.nativeErrorCode().toInt(&numeric) & 0xff;
    const QString detall = error.text();
    if (!numeric)
        return {FallaHistoria::Altra, detall};
    switch (codi) {
    case SqliteCorrupt:
    case SqliteNotADb:
        return {FallaHistoria::Danyada, detall};
    case SqliteBusy:
    case SqliteLocked:
        return {FallaHistoria::Bloquejada, detall};
    case SqliteFull:
        return {FallaHistoria::DiscPle, detall};
    case SqliteReadOnly:
    case SqliteCantOpen:
    case SqlitePerm:
        return {FallaHistoria::NoEscrivible, detall};
    case SqliteIoErr:
    default:
        return {FallaHistoria::Altra, detall};
    }
}

ErrorHistoria Obrir(const QString &cami, const QString &nom, int esperaMs)
{
    const QFileInfo fitxer(cami);
    if (!QDir().mkpath(fitxer.absolutePath()))
        return {FallaHistoria::NoEscrivible, fitxer.absolutePath()};
    if (fitxer.exists() && !fitxer.isFile())
        return {FallaHistoria::NoEscrivible, cami};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
    db.setDatabaseName(cami);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(esperaMs));
    if (!db.open())
        return Classificar(db.lastError());
    if (ErrorHistoria error = PassarAWal(db, esperaMs))
        return error;
    // Every answer reaches the disk when its transaction ends: a power cut
    // loses at most the answer being given.
    if (ErrorHistoria error = Executar(db, QStringLiteral("PRAGMA synchronous=FULL")))
        return error;
    return CrearEsquema(db);
}

void Tancar(const QString &nom)
{
    {
        QSqlDatabase db = QSqlDatabase::database(nom, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(nom);
}

} // namespace BaseHistoria
