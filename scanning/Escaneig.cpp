#include "Escaneig.h"

#include "MarcEscaneig.h"
#include "Rellotge.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

Escaneig::Escaneig(QWidget *finestra, const Tecles &tecles, std::function<bool()> dirigitMarcat)
    : QObject(finestra), finestra(finestra), tecles(tecles),
      dirigitMarcat(std::move(dirigitMarcat)), timer(new QTimer(this)),
      marc(new MarcEscaneig(finestra))
{
    timer->setObjectName(QStringLiteral("TimerEscaneig"));
    // A steady rhythm matters to a learner who times a switch press.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &Escaneig::TimerEscaneigTimer);

    for (std::size_t i = 0; i < tecles.size(); ++i) {
        punts[i] = centre(tecles[i], finestra);
        tecles[i]->installEventFilter(this);
    }
}

QPoint Escaneig::centre(const QWidget *tecla, const QWidget *finestra)
{
    const QRect r = tecla->geometry();
    const QPoint alPare(r.left() + r.width() / 2, r.top() + r.height() / 2);
    const QWidget *pare = tecla->parentWidget();
    return pare == finestra ? alPare : pare->mapTo(finestra, alPare);
}

int Escaneig::primerPunt() const
{
    // The minus key is a target only while it is shown.
    return tecles[0]->isVisibleTo(finestra) ? 0 : 1;
}

void Escaneig::IniciarEscaneig(int valorInterval, bool automatic, bool dirigit)
{
    establirInterval(valorInterval);
    posicio = primerPunt();
    marc->hide();
    if (automatic) {
        // Starting a running timer again would restart its period.
        if (!timer->isActive())
            timer->start();
        return;
    }
    // Automatic scanning is no longer ticked: a scan still running stops.
    timer->stop();
    if (dirigit)
        MoureAlSeguentPunt();
}

void Escaneig::establirInterval(int valorInterval)
{
    const int ms = std::max(1, Rellotge::durada(valorInterval * 100));
    // QTimer restarts a running timer on every setInterval, even to the same
    // value; an unchanged interval must keep the period.
    if (ms != timer->interval())
        timer->setInterval(ms);
}

void Escaneig::TimerEscaneigTimer()
{
    MoureAlSeguentPunt();
}

void Escaneig::MoureAlSeguentPunt()
{
    QCursor::setPos(finestra->mapToGlobal(punts[posicio]));
    marc->Envoltar(tecles[posicio]);
    ++posicio;
    if (posicio == NombrePunts)
        posicio = primerPunt();
}

void Escaneig::ButtonMenysMouseDown(Qt::MouseButton boto)
{
    if (boto != Qt::RightButton)
        return;
    if (!dirigitMarcat()) {
        timer->stop();
        marc->hide();
        return;
    }
    MoureAlSeguentPunt();
}

bool Escaneig::esTecla(const QObject *objecte) const
{
    return std::find(tecles.begin(), tecles.end(), objecte) != tecles.end();
}

bool Escaneig::eventFilter(QObject *objecte, QEvent *event)
{
    const auto tipus = event->type();
    if (tipus != QEvent::MouseButtonPress && tipus != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(objecte, event);
    // A disabled key takes no presses, scanning ones included.
    if (!esTecla(objecte) || !static_cast<QWidget *>(objecte)->isEnabled())
        return false;
    // A quick second press arrives as a double click; for a switch user it is
    // just another press.
    const Qt::MouseButton boto = static_cast<QMouseEvent *>(event)->button();
    ButtonMenysMouseDown(boto);
    // The right button is the scanning command only: it never works the key.
    return boto == Qt::RightButton;
}
