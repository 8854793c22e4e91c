#pragma once

#include "ConfiguracioAcces.h"
#include "EscaneigDialeg.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <array>
#include <cstdint>
#include <cstdint>
#include <functional>

class FiltrePremudes;
class MarcEscaneig;
class Permanencia;
class QKeyEvent;
class QMouseEvent;
class QTimer;
class QWidget;

// Switch scanning of the main window's keypad. The program moves the mouse
// pointer from key centre to key centre, by itself at a fixed interval
// (automatic scanning) or one key at each right press on a key (directed
// scanning); the learner works the key under the pointer with a left press.
// A frame marks the key under the scan. The object belongs to the main window
// and watches the mouse presses and the switch keys over it.
//
// Beyond the pointer: while a scan runs, a left press over the window that is
// not on a key (nor on another button) works the framed key, Space is the
// left switch and Enter the right switch. Where the desktop refuses to move
// the pointer (Wayland), the frame leads: a left press anywhere over the
// window works the framed key and a right press anywhere is the scanning
// command.
//
// The learner's access settings tune it all: every switch press goes through
// one press filter (acceptance and repeat times), the frame may rest longer
// on the first key, stop after a number of rounds without a press, wait for
// the key's spoken word, and take other colours and widths. Dwell presses
// the keys with scanning off, and the switches reach the buttons of the
// options and "Accés" windows while a scan runs (EscaneigDialeg).
class Escaneig : public QObject
{
    Q_OBJECT

public:
    static constexpr int NombrePunts = 14;
    using Tecles = std::array<QWidget *, NombrePunts>;
    using Punts = std::array<QPoint, NombrePunts>;
    using MourePunter = std::function<void(const QPoint &global)>;

    // `tecles` in scanning order: ButtonMenys, Button0 ... Button9,
    // BitBtnDAcord, ButtonEsborrar, ButtonNou. `dirigitMarcat` says whether
    // directed scanning is ticked; it is asked at each right press.
    Escaneig(QWidget *finestra, const Tecles &tecles, std::function<bool()> dirigitMarcat);
    ~Escaneig() override;

    // The key centres in the window's client coordinates, taken once here.
    const Punts &PuntsEscaneig() const { return punts; }
    // Index of the point that the next move will use.
    int PosicioEscaneig() const { return posicio; }
    QTimer *TimerEscaneig() const { return timer; }
    MarcEscaneig *Marc() const { return marc; }
    // The key inside the frame, or nullptr while no frame is shown.
    QWidget *TeclaEnmarcada() const;
    // Whether a scan runs: automatic and not stopped, or directed.
    bool EnCurs() const { return enCurs; }
    // Whether automatic scanning has stopped after its rounds without a
    // press; the next press resumes it.
    bool EnPausa() const { return enPausa; }
    EscaneigDialeg &Dialegs() { return dialegs; }
    FiltrePremudes &Filtre() const { return *filtre; }
    ::Permanencia &Permanencia() const { return *permanencia; }
    // Whether the last move found the pointer elsewhere than it was sent.
    bool SeguirMarc() const { return seguirMarc; }

    // Puts the pointer at a point of the screen; tests replace it with one
    // that does nothing, as a Wayland desktop does.
    void setMourePunter(MourePunter moure) { mourePunter = std::move(moure); }
    // The access settings to follow (nullptr: the defaults); they must
    // outlive this object.
    void setConfiguracio(const ConfiguracioAcces *configuracio);
    // Whether the voice is still saying the framed key's word.
    void setParlant(std::function<bool()> parlant) { this->parlant = std::move(parlant); }

    // Set-up after the options window closes: `valorInterval` in tenths of a
    // second (1 to 50), and which of the two modes is ticked.
    void IniciarEscaneig(int valorInterval, bool automatic, bool dirigit);
    void TimerEscaneigTimer();
    void MoureAlSeguentPunt();
    // The scanning command of a press on a key; only the right button counts.
    void ButtonMenysMouseDown(Qt::MouseButton boto);
    // The two switches, whatever sends them: the left one works the framed
    // key, the right one is the scanning command.
    void CommutadorEsquerre();
    void CommutadorDret() { ButtonMenysMouseDown(Qt::RightButton); }
    // Starts automatic scanning again after its rounds without a press.
    void Reprendre();

signals:
    // The scan has just framed `tecla`.
    void Enmarcada(QWidget *tecla);
    // A switch was pressed while a scan runs (the learner's effort on the
    // question, whether or not the press filter lets it count).
    void Premuda();

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    static QPoint centre(const QWidget *tecla, const QWidget *finestra);
    int primerPunt() const;
    bool actiu() const { return enCurs || enPausa; }
    void establirInterval(int valorInterval);
    void aturar();
    void pausar();
    void pas();
    bool esperarVeu();
    void acabarEsperaVeu();
    // The frame rests the extra time of the access settings from now on.
    void reposar();
    void despresEleccio();
    void clicarTecla(QWidget *tecla);
    void seguirConfiguracio();
    int extraMs() const;
    QWidget *teclaQueConte(const QWidget *control) const;
    bool premerRatoli(QWidget *receptor, const QMouseEvent *event);
    bool premerTecla(const QKeyEvent *event);
    bool premerRatoliDialeg(QWidget *receptor, const QMouseEvent *event);
    bool premerCommutador(Qt::MouseButton boto, std::function<void()> accio);

    QWidget *finestra;
    Tecles tecles;
    std::function<bool()> dirigitMarcat;
    MourePunter mourePunter;
    Punts punts;
    int posicio = 0;
    int enmarcada = -1;
    bool enCurs = false;
    bool seguirMarc = false;
    // Mouse buttons whose press was taken as a switch: their release is
    // taken too, so that no control below acts on half a click.
    Qt::MouseButtons empassats;
    // Set by a right press taken as a switch, until its context menu event.
    bool menuEmpassat = false;
    QTimer *timer;
    MarcEscaneig *marc;

    // Gone with the options window at the end: the defaults then.
    QPointer<const ConfiguracioAcces> configuracio;
    FiltrePremudes *filtre;
    ::Permanencia *permanencia;
    EscaneigDialeg dialegs;
    std::function<bool()> parlant;
    bool enPausa = false;
    int intervalMs = 0;       // the period, without extra rest
    bool restaurar = false;   // the next tick sets the period back to intervalMs
    bool primerPas = false;   // the next step frames the first key after a start
    int voltesFetes = 0;      // rounds since the start or the last press
    QTimer esperaVeu;         // looks whether the key's word has been said
    std::uint32_t iniciEsperaVeu = 0;
};
