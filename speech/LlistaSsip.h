#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The voice list of every output module, asked of the speech service over
// a connection of its own on the service's local socket, within a bound.
// libspeechd's own listing searches the whole reply so far after every line
// it reads: with the thirteen thousand voices of espeak-ng it takes seconds,
// and it waits for a service that does not answer without end.
namespace LlistaSsip
{

struct VeuSsip {
    QByteArray nom;
    QByteArray llengua;
    QByteArray modul;
};

// The voices, module by module in the service's order; none when the
// socket cannot be reached, the service answers with an error, or the whole
// exchange has not ended within `ms` milliseconds.
std::optional<QList<VeuSsip>> Veus(const QByteArray &socol, int ms);

// Splits the lines of a "LIST SYNTHESIS_VOICES" reply ("249-name\tlang\tvariant")
// into `veus`. Answers true once the final line came, false while more is
// needed; throws ErrorVeu on an error reply. Consumes whole lines of `dades`.
bool Analitzar(QByteArray &dades, QList<VeuSsip> &veus);

} // namespace LlistaSsip
