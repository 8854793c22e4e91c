#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The voice list of one output module, asked of the speech service over a
// connection of its own on the service's local socket. libspeechd's own
// listing searches the whole reply so far after every line it reads, which
// with tens of thousands of lines costs more than the service itself.
namespace LlistaSsip
{

struct VeuSsip {
    QByteArray nom;
    QByteArray llengua;
};

// The voices in the service's order; none when the socket cannot be
// reached or the service answers with an error.
std::optional<QList<VeuSsip>> Veus(const QByteArray &socol, const QByteArray &modul);

// Splits the lines of a "LIST SYNTHESIS_VOICES" reply ("249-name\tlang\tvariant")
// into `veus`. Answers true once the final line came, false while more is
// needed; throws ErrorVeu on an error reply. Consumes whole lines of `dades`.
bool Analitzar(QByteArray &dades, QList<VeuSsip> &veus);

} // namespace LlistaSsip
