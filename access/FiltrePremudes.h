#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>

#include "ConfiguracioAcces.h"

// Reads a learner's switch presses as the settings ask, whichever way they
// arrive (mouse buttons, Space and Enter): a press counts only once it has
// been held for the acceptance time, and presses that come within the
// repeat time after a counted one are dropped, so that tremor and brushes do
// not make choices. With both times at 0 a press counts at once.
//
// The caller says when a switch goes down (Baixar, with what the press is to
// do) and up (Pujar); the filter runs the action when the press counts: at
// once, once the switch has been held long enough, or at its release when
// it was held long enough but the hold timer has not yet fired.
class FiltrePremudes : public QObject
{
    Q_OBJECT

public:
    using Accio = std::function<void()>;

    explicit FiltrePremudes(const ConfiguracioAcces *configuracio, QObject *parent = nullptr);
    void setConfiguracio(const ConfiguracioAcces *configuracio) { m_configuracio = configuracio; }

    // Whether presses count at once and none is dropped.
    bool Transparent() const;

    // `commutador` tells the switches apart (a mouse button, a key).
    void Baixar(int commutador, Accio accio);
    void Pujar(int commutador);
    // Forgets a press still being held.
    void Oblidar();

signals:
    // A press has counted; emitted before its action runs.
    void Acceptada();

private:
    void acceptar();
    int acceptacioMs() const;
    int repeticionsMs() const;

    QPointer<const ConfiguracioAcces> m_configuracio;
    QTimer m_mantenir;
    int m_commutador = -1; // the switch being held, -1 for none
    std::uint32_t m_baixada = 0;
    Accio m_accio;
    bool m_hiHaAcceptada = false;
    std::uint32_t m_acceptada = 0;
};
