#include "Escaneig.h"

#include "MarcEscaneig.h"
#include "Rellotge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {
// QCursor::pos() may round a scaled position by a pixel.
constexpr int TolerancciaPunter = 2;

enum class Commutador { Cap, Esquerre, Dret };

Commutador commutadorDeTecla(int tecla)
{
    if (tecla == Qt::Key_Space)
        return Commutador::Esquerre;
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)
        return Commutador::Dret;
    return Commutador::Cap;
}
} // namespace

Escaneig::Escaneig(QWidget *finestra, const Tecles &tecles, std::function<bool()> dirigitMarcat)
    : QObject(finestra), finestra(finestra), tecles(tecles),
      dirigitMarcat(std::move(dirigitMarcat)),
      mourePunter([](const QPoint &global) { QCursor::setPos(global); }), timer(new QTimer(this)),
      marc(new MarcEscaneig(finestra))
{
    timer->setObjectName(QStringLiteral("TimerEscaneig"));
    // A steady rhythm matters to a learner who times a switch press.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &Escaneig::TimerEscaneigTimer);

    for (std::size_t i = 0; i < tecles.size(); ++i)
        punts[i] = centre(tecles[i], finestra);
    // Presses and keys reach the window's widgets through the application,
    // where one filter sees them all, whichever widget is under the pointer.
    qApp->installEventFilter(this);
}

Escaneig::~Escaneig() { qApp->removeEventFilter(this); }

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
    enmarcada = -1;
    enCurs = automatic || dirigit;
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
    const QPoint desti = finestra->mapToGlobal(punts[posicio]);
    const auto alDesti = [&desti] {
        return (QCursor::pos() - desti).manhattanLength() <= TolerancciaPunter;
    };
    // Some desktops refuse to move the pointer: the frame leads then. A
    // pointer already at the key tells nothing either way.
    const bool jaHiEra = alDesti();
    mourePunter(desti);
    if (!jaHiEra)
        seguirMarc = !alDesti();
    enmarcada = posicio;
    marc->Envoltar(tecles[posicio]);
    ++posicio;
    if (posicio == NombrePunts)
        posicio = primerPunt();
    emit Enmarcada(tecles[enmarcada]);
}

void Escaneig::aturar()
{
    timer->stop();
    marc->hide();
    enmarcada = -1;
    enCurs = false;
}

void Escaneig::ButtonMenysMouseDown(Qt::MouseButton boto)
{
    if (boto != Qt::RightButton)
        return;
    if (!dirigitMarcat()) {
        aturar();
        return;
    }
    MoureAlSeguentPunt();
}

QWidget *Escaneig::TeclaEnmarcada() const
{
    return enmarcada >= 0 && marc->isVisibleTo(finestra) ? tecles[enmarcada] : nullptr;
}

void Escaneig::CommutadorEsquerre()
{
    // A click does nothing on a disabled key; a hidden one takes none.
    auto *tecla = qobject_cast<QAbstractButton *>(TeclaEnmarcada());
    if (tecla && tecla->isVisibleTo(finestra))
        tecla->click();
}

QWidget *Escaneig::teclaQueConte(const QWidget *control) const
{
    for (; control && control != finestra; control = control->parentWidget())
        if (std::find(tecles.begin(), tecles.end(), control) != tecles.end())
            return const_cast<QWidget *>(control);
    return nullptr;
}

bool Escaneig::premerRatoli(QWidget *receptor, const QMouseEvent *event)
{
    const Qt::MouseButton boto = event->button();
    if (boto != Qt::LeftButton && boto != Qt::RightButton)
        return false;
    // What lies under the press, whichever widget the event has reached on
    // its way up from there.
    const QPoint lloc = receptor->mapTo(finestra, event->position().toPoint());
    const QWidget *sota = finestra->childAt(lloc);
    QWidget *tecla = teclaQueConte(sota);

    menuEmpassat = false;
    if (enCurs && seguirMarc) {
        boto == Qt::LeftButton ? CommutadorEsquerre() : CommutadorDret();
        empassats |= boto;
        // The menu that a right press opens on some controls stays shut.
        menuEmpassat = boto == Qt::RightButton;
        return true;
    }
    if (tecla) {
        // A disabled key takes no presses, scanning ones included.
        if (!tecla->isEnabled())
            return false;
        ButtonMenysMouseDown(boto);
        // The right button is the scanning command only: it never works the key.
        return boto == Qt::RightButton;
    }
    // Off the keys, a left press is the learner's switch; the picture button
    // and the check box keep their own click for the teacher's mouse.
    if (enCurs && boto == Qt::LeftButton && !qobject_cast<const QAbstractButton *>(sota)) {
        CommutadorEsquerre();
        empassats |= boto;
        return true;
    }
    return false;
}

bool Escaneig::premerTecla(const QKeyEvent *event)
{
    const Commutador commutador = commutadorDeTecla(event->key());
    if (!enCurs || commutador == Commutador::Cap)
        return false;
    // A switch held down repeats its key: one press is one selection.
    if (!event->isAutoRepeat())
        commutador == Commutador::Esquerre ? CommutadorEsquerre() : CommutadorDret();
    return true;
}

bool Escaneig::eventFilter(QObject *objecte, QEvent *event)
{
    const auto tipus = event->type();
    switch (tipus) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    if (!objecte->isWidgetType() || static_cast<QWidget *>(objecte)->window() != finestra)
        return false;
    auto *receptor = static_cast<QWidget *>(objecte);
    switch (tipus) {
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton boto = static_cast<QMouseEvent *>(event)->button();
        const bool empassat = empassats.testFlag(boto);
        empassats.setFlag(boto, false);
        return empassat;
    }
    case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Mouse ||
            !menuEmpassat)
            return false;
        menuEmpassat = false;
        return true;
    case QEvent::KeyPress:
        return premerTecla(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        return enCurs && commutadorDeTecla(static_cast<QKeyEvent *>(event)->key()) != Commutador::Cap;
    default:
        // A quick second press arrives as a double click; for a switch user
        // it is just another press.
        return premerRatoli(receptor, static_cast<QMouseEvent *>(event));
    }
}
