#pragma once

#include <QString>
#include <QStringList>

// The family's reader program, which records speech to a sound file. The
// program looks for its window, starts it and sends it two messages.
class LectorExtern
{
public:
    // Messages the reader understands.
    static constexpr int kMissatgeInici = 1025;
    static constexpr int kMissatgeGravar = 1032;

    virtual ~LectorExtern() = default;

    // Looks for the reader's window by a text in its title and remembers
    // what it found; answers whether there is one.
    virtual bool BuscarFinestra(const QString &titol) = 0;
    // Sends a message to the window found last and waits until it has been
    // handled; nothing without a window.
    virtual void EnviarMissatge(int missatge) = 0;
    // Brings the window found last to the front; nothing without a window.
    virtual void PortarAlDavant() = 0;
    // Starts the reader program; answers whether it started.
    virtual bool Executar(const QStringList &arguments) = 0;
};
