#pragma once

#include "LectorExtern.h"

#include <QPointer>
#include <QWindow>

// The reader program "quelvox". Its window is looked for among the windows
// this program can see, its own; messages have no way to reach another
// process here, so they are not sent.
class LectorQuelvox : public LectorExtern
{
public:
    bool BuscarFinestra(const QString &titol) override;
    void EnviarMissatge(int missatge) override;
    void PortarAlDavant() override;
    // Starts "quelvox" from the program's folder, else from PATH, without a
    // shell; never from the current folder.
    bool Executar(const QStringList &arguments) override;

    static QString CamiPrograma();

private:
    QPointer<QWindow> m_finestra;
};
