#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>

class AnellPermanencia;
#include "ConfiguracioAcces.h"

class QWidget;

// Dwell, for head pointers and eye gaze: the pointer resting on one of the
// watched keys for the dwell time presses it, once. A ring fills over the
// key meanwhile. The key is not pressed again until the pointer has left it.
// Dwell works only while `enPausa` says no (a scan moves the pointer by
// itself then) and while no modal window is open over the keys.
class Permanencia : public QObject
{
    Q_OBJECT

public:
    Permanencia(QWidget *finestra, QList<QWidget *> tecles, const ConfiguracioAcces *configuracio,
                std::function<bool()> enPausa);

    void setConfiguracio(const ConfiguracioAcces *configuracio);
    AnellPermanencia *Anell() const { return m_anell; }
    // One look at the pointer; the timer calls it while dwell is on.
    void Comprovar();

private:
    void seguirConfiguracio();
    QWidget *teclaSotaElPunter() const;
    void deixar(QWidget *tecla);

    QWidget *m_finestra;
    QList<QWidget *> m_tecles;
    QPointer<const ConfiguracioAcces> m_configuracio;
    std::function<bool()> m_enPausa;
    AnellPermanencia *m_anell;
    QTimer m_mirar;
    QPointer<QWidget> m_tecla; // the key under the pointer
    std::uint32_t m_arribada = 0;
    bool m_premuda = false; // m_tecla was pressed since the pointer came
};
