#pragma once

#include "ConfiguracioAcces.h"
#include "FinestraAcces.h"

#include <QObject>

#include <functional>
#include <memory>

class FitxerConfiguracio;
class QPushButton;
class QWidget;

// The options window's way into the "Accés" window: the learner's access
// settings, read from the settings file when the options window is made,
// and the window that tunes them, opened modally by the "Accés..." button.
class AccesOpcions : public QObject
{
    Q_OBJECT

public:
    AccesOpcions(FitxerConfiguracio &fitxer, QPushButton *boto, std::function<Llengua()> llengua,
                 QWidget *opcions);
    ~AccesOpcions() override;

    ConfiguracioAcces &configuracio() { return m_configuracio; }
    FinestraAcces &finestra() { return *m_finestra; }
    void Obrir();

private:
    QWidget *m_opcions;
    std::function<Llengua()> m_llengua;
    ConfiguracioAcces m_configuracio;
    // A window of its own, not a child of the options window, which keeps
    // its own controls to itself.
    std::unique_ptr<FinestraAcces> m_finestra;
};
