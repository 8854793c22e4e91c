#pragma once

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

class MarcEscaneig;
class QTimer;
class QWidget;

// Switch scanning of the main window's keypad. The program moves the mouse
// pointer from key centre to key centre, by itself at a fixed interval
// (automatic scanning) or one key at each right press on a key (directed
// scanning); the learner works the key under the pointer with a left press.
// The object belongs to the main window and watches the mouse presses on its
// fourteen keys.
class Escaneig : public QObject
{
    Q_OBJECT

public:
    static constexpr int NombrePunts = 14;
    using Tecles = std::array<QWidget *, NombrePunts>;
    using Punts = std::array<QPoint, NombrePunts>;

    // `tecles` in scanning order: ButtonMenys, Button0 ... Button9,
    // BitBtnDAcord, ButtonEsborrar, ButtonNou. `dirigitMarcat` says whether
    // directed scanning is ticked; it is asked at each right press.
    Escaneig(QWidget *finestra, const Tecles &tecles, std::function<bool()> dirigitMarcat);

    // The key centres in the window's client coordinates, taken once here.
    const Punts &PuntsEscaneig() const { return punts; }
    // Index of the point that the next move will use.
    int PosicioEscaneig() const { return posicio; }
    QTimer *TimerEscaneig() const { return timer; }
    MarcEscaneig *Marc() const { return marc; }

    // Set-up after the options window closes: `valorInterval` in tenths of a
    // second (1 to 50), and which of the two modes is ticked.
    void IniciarEscaneig(int valorInterval, bool automatic, bool dirigit);
    void TimerEscaneigTimer();
    void MoureAlSeguentPunt();
    // The scanning command of a press on a key; only the right button counts.
    void ButtonMenysMouseDown(Qt::MouseButton boto);

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    static QPoint centre(const QWidget *tecla, const QWidget *finestra);
    int primerPunt() const;
    void establirInterval(int valorInterval);
    bool esTecla(const QObject *objecte) const;

    QWidget *finestra;
    Tecles tecles;
    std::function<bool()> dirigitMarcat;
    Punts punts;
    int posicio = 0;
    QTimer *timer;
    MarcEscaneig *marc;
};
