#pragma once

#include <QProcessEnvironment>
#include <QString>

// The desktop's speech service (speech-dispatcher) as its client library
// finds it. The library connects to the socket a running service leaves, or
// to the address in SPEECHD_ADDRESS; failing that it forks to start the
// service. On a machine without the service installed that fork only fails,
// after copying the whole program, so the engine counts as missing at once.
namespace ServeiSpeechd
{

// The program the client library starts when no service is running.
inline const QString kOrdre = QStringLiteral("/usr/bin/speech-dispatcher");

// Whether creating the engine could reach a service: something is at the
// socket an address names (any other address is tried), or, without one,
// a service is running or can be started.
bool Abastable(const QProcessEnvironment &entorn, const QString &ordre = kOrdre);

} // namespace ServeiSpeechd
