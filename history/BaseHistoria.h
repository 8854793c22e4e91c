#pragma once

#include <QSqlDatabase>
#include <QMetaType>
#include <QString>

// Why the history cannot be kept.
enum class FallaHistoria { Cap, Danyada, Bloquejada, DiscPle, NoEscrivible, Altra };

struct ErrorHistoria {
    FallaHistoria falla = FallaHistoria::Cap;
    QString detall; // the driver's own words, for the message
    explicit operator bool() const { return falla != FallaHistoria::Cap; }
};

Q_DECLARE_METATYPE(ErrorHistoria)

// The history file and its connections. Every connection runs in WAL mode
// and waits a bounded time for a lock held by another copy of the program.
namespace BaseHistoria {
// ~/.local/share/trimbol/historial.sqlite, or under $XDG_DATA_HOME.
QString CamiPerDefecte();

// Opens (and on first use creates) the file at `cami` on a connection of
// this thread named `nom`. A file that exists but cannot be read as a
// history is left exactly as it is.
ErrorHistoria Obrir(const QString &cami, const QString &nom, int esperaMs);
void Tancar(const QString &nom);

// What a failed statement means for the learner's history.
ErrorHistoria Classificar(const QSqlError &error);
} // namespace BaseHistoria
