#include "Escaneig.h"

#include "ConfiguracioAcces.h"
#include "EstilMarc.h"
#include "FiltrePremudes.h"
#include "MarcEscaneig.h"
#include "Permanencia.h"
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
// How often a frame waiting for the key's word looks again, and how long it
// waits at most (program milliseconds) for a voice that never ends.
constexpr int IntervalEsperaVeuMs = 50;
constexpr std::uint32_t EsperaVeuMaximaMs = 10000;

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
      marc(new MarcEscaneig(finestra)), filtre(new FiltrePremudes(nullptr, this)),
      dialegs([this](QWidget *control) { emit Enmarcada(control); })
{
    timer->setObjectName(QStringLiteral("TimerEscaneig"));
    // A steady rhythm matters to a learner who times a switch press.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &Escaneig::TimerEscaneigTimer);
    esperaVeu.setInterval(IntervalEsperaVeuMs);
    connect(&esperaVeu, &QTimer::timeout, this, &Escaneig::acabarEsperaVeu);
    // Any press that counts starts the count of rounds again.
    connect(filtre, &FiltrePremudes::Acceptada, this, [this] { voltesFetes = 0; });
    permanencia = new ::Permanencia(finestra, QList<QWidget *>(tecles.begin(), tecles.end()),
                                    nullptr, [this] { return actiu(); });

    for (std::size_t i = 0; i < tecles.size(); ++i)
        punts[i] = centre(tecles[i], finestra);
    // Presses and keys reach the window's widgets through the application,
    // where one filter sees them all, whichever widget is under the pointer.
    qApp->installEventFilter(this);
}

Escaneig::~Escaneig() { qApp->removeEventFilter(this); }

void Escaneig::setConfiguracio(const ConfiguracioAcces *nova)
{
    if (configuracio)
        configuracio->disconnect(this);
    configuracio = nova;
    filtre->setConfiguracio(configuracio);
    permanencia->setConfiguracio(configuracio);
    if (configuracio)
        connect(configuracio, &ConfiguracioAcces::Canviat, this, &Escaneig::seguirConfiguracio);
    seguirConfiguracio();
}

void Escaneig::seguirConfiguracio()
{
    const EstilMarc estil =
        configuracio ? EstilMarc::de(configuracio->valor(ConfiguracioAcces::ColorMarc),
                                     configuracio->valor(ConfiguracioAcces::GruixMarc))
                     : EstilMarc::de(0, 0);
    marc->setEstil(estil);
    dialegs.setEstil(estil);
}

int Escaneig::extraMs() const { return configuracio ? configuracio->primeraTeclaMs() : 0; }

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
    dialegs.Amagar();
    esperaVeu.stop();
    filtre->Oblidar();
    enmarcada = -1;
    enCurs = automatic || dirigit;
    enPausa = false;
    voltesFetes = 0;
    primerPas = automatic;
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
    intervalMs = ms;
    restaurar = false;
    // QTimer restarts a running timer on every setInterval, even to the same
    // value; an unchanged interval must keep the period.
    if (ms != timer->interval())
        timer->setInterval(ms);
}

void Escaneig::TimerEscaneigTimer()
{
    if (!esperarVeu())
        pas();
}

void Escaneig::pas()
{
    if (restaurar) {
        restaurar = false;
        if (timer->isActive())
            timer->start(intervalMs);
        else
            timer->setInterval(intervalMs);
    }
    if (EscaneigDialeg::Dialeg()) {
        dialegs.Seguent();
        return;
    }
    // Automatic scanning stops at the start of a round once the rounds
    // without a press are done.
    const int voltes = configuracio ? configuracio->voltes() : 0;
    if (voltes > 0 && posicio == primerPunt() && voltesFetes >= voltes) {
        pausar();
        return;
    }
    const bool primer = std::exchange(primerPas, false);
    MoureAlSeguentPunt();
    if (primer)
        reposar();
}

void Escaneig::reposar()
{
    const int extra = extraMs();
    if (extra <= 0 || !timer->isActive())
        return;
    timer->start(intervalMs + std::max(1, Rellotge::durada(extra)));
    restaurar = true;
}

bool Escaneig::esperarVeu()
{
    if (!configuracio || !configuracio->acabarTecla() || !parlant || !parlant())
        return false;
    // The frame stays until the word has been said, then moves on at once.
    timer->stop();
    iniciEsperaVeu = Rellotge::GetTickCount();
    esperaVeu.start();
    return true;
}

void Escaneig::acabarEsperaVeu()
{
    if (parlant && parlant() && Rellotge::GetTickCount() - iniciEsperaVeu < EsperaVeuMaximaMs)
        return;
    esperaVeu.stop();
    timer->start(intervalMs);
    restaurar = false;
    pas();
}

void Escaneig::despresEleccio()
{
    voltesFetes = 0;
    // The frame rests longer on the key just chosen, as on the first one.
    if (!esperaVeu.isActive())
        reposar();
}

void Escaneig::pausar()
{
    timer->stop();
    esperaVeu.stop();
    marc->hide();
    enmarcada = -1;
    enCurs = false;
    enPausa = true;
}

void Escaneig::Reprendre()
{
    if (!enPausa)
        return;
    enPausa = false;
    enCurs = true;
    voltesFetes = 0;
    posicio = primerPunt();
    // The frame comes back on the first key at once and rests there longer.
    timer->start(intervalMs);
    restaurar = false;
    primerPas = false;
    if (EscaneigDialeg::Dialeg()) {
        dialegs.Seguent();
        return;
    }
    MoureAlSeguentPunt();
    reposar();
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
    // The framed key takes the focus, so that a screen magnifier and a
    // screen reader, which follow the focus, follow the scan. A press still
    // works the framed key: the switches go by the frame, not the focus.
    tecles[posicio]->setFocus(Qt::OtherFocusReason);
    ++posicio;
    if (posicio == NombrePunts) {
        posicio = primerPunt();
        ++voltesFetes;
    }
    emit Enmarcada(tecles[enmarcada]);
}

void Escaneig::aturar()
{
    timer->stop();
    esperaVeu.stop();
    marc->hide();
    dialegs.Amagar();
    enmarcada = -1;
    enCurs = false;
    enPausa = false;
}

void Escaneig::ButtonMenysMouseDown(Qt::MouseButton boto)
{
    if (boto != Qt::RightButton)
        return;
    if (!dirigitMarcat()) {
        aturar();
        return;
    }
    if (EscaneigDialeg::Dialeg())
        dialegs.Seguent();
    else
        MoureAlSeguentPunt();
}

QWidget *Escaneig::TeclaEnmarcada() const
{
    return enmarcada >= 0 && marc->isVisibleTo(finestra) ? tecles[enmarcada] : nullptr;
}

void Escaneig::CommutadorEsquerre()
{
    if (EscaneigDialeg::Dialeg()) {
        dialegs.Activar();
        return;
    }
    clicarTecla(TeclaEnmarcada());
}

void Escaneig::clicarTecla(QWidget *control)
{
    // A click does nothing on a disabled key; a hidden one takes none.
    auto *tecla = qobject_cast<QAbstractButton *>(control);
    if (!tecla || !tecla->isVisibleTo(finestra))
        return;
    despresEleccio();
    tecla->click();
}

QWidget *Escaneig::teclaQueConte(const QWidget *control) const
{
    for (; control && control != finestra; control = control->parentWidget())
        if (std::find(tecles.begin(), tecles.end(), control) != tecles.end())
            return const_cast<QWidget *>(control);
    return nullptr;
}

bool Escaneig::premerCommutador(Qt::MouseButton boto, std::function<void()> accio)
{
    // While stopped after its rounds, the next press only resumes the scan.
    if (enPausa)
        accio = [this] { Reprendre(); };
    empassats |= boto;
    // The menu that a right press opens on some controls stays shut.
    menuEmpassat = boto == Qt::RightButton;
    filtre->Baixar(int(boto), std::move(accio));
    return true;
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
    const auto commutador = [this, boto] {
        boto == Qt::LeftButton ? CommutadorEsquerre() : CommutadorDret();
    };

    menuEmpassat = false;
    if (!actiu()) {
        // A disabled key takes no presses, scanning ones included.
        if (!tecla || !tecla->isEnabled())
            return false;
        ButtonMenysMouseDown(boto);
        // The right button is the scanning command only: it never works the key.
        return boto == Qt::RightButton;
    }
    emit Premuda();
    if (seguirMarc)
        return premerCommutador(boto, commutador);
    if (tecla) {
        if (!tecla->isEnabled())
            return false;
        if (boto == Qt::RightButton)
            return premerCommutador(boto, [this] { CommutadorDret(); });
        // A left press works the key under it: by the key's own click when
        // presses count at once, else once the filter lets the press count.
        if (!enPausa && filtre->Transparent()) {
            despresEleccio();
            return false;
        }
        return premerCommutador(boto, [this, tecla = QPointer<QWidget>(tecla)] { clicarTecla(tecla); });
    }
    // Off the keys, a left press is the learner's switch; the picture button
    // and the check box keep their own click for the teacher's mouse.
    if (boto == Qt::LeftButton && !qobject_cast<const QAbstractButton *>(sota))
        return premerCommutador(boto, commutador);
    return false;
}

bool Escaneig::premerRatoliDialeg(QWidget *receptor, const QMouseEvent *event)
{
    const Qt::MouseButton boto = event->button();
    if (boto != Qt::LeftButton && boto != Qt::RightButton)
        return false;
    menuEmpassat = false;
    // A control keeps its own click for the teacher's mouse; a press on the
    // window's background or a plain label is a switch.
    QWidget *dialeg = receptor->window();
    const QWidget *sota = dialeg->childAt(receptor->mapTo(dialeg, event->position().toPoint()));
    if (EscaneigDialeg::EsControl(sota ? sota : receptor))
        return false;
    return premerCommutador(boto, [this, boto] {
        boto == Qt::LeftButton ? CommutadorEsquerre() : CommutadorDret();
    });
}

bool Escaneig::premerTecla(const QKeyEvent *event)
{
    const Commutador commutador = commutadorDeTecla(event->key());
    if (!actiu() || commutador == Commutador::Cap)
        return false;
    // A switch held down repeats its key: one press is one selection.
    if (event->isAutoRepeat())
        return true;
    emit Premuda();
    if (enPausa)
        filtre->Baixar(event->key(), [this] { Reprendre(); });
    else if (commutador == Commutador::Esquerre)
        filtre->Baixar(event->key(), [this] { CommutadorEsquerre(); });
    else
        filtre->Baixar(event->key(), [this] { CommutadorDret(); });
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
    case QEvent::Hide:
        if (objecte->isWidgetType() && static_cast<QWidget *>(objecte)->isWindow())
            dialegs.Amagada(static_cast<QWidget *>(objecte));
        return false;
    default:
        return false;
    }
    if (!objecte->isWidgetType())
        return false;
    auto *receptor = static_cast<QWidget *>(objecte);
    // The main window, or a scanned modal window while a scan runs.
    const bool aDialeg = actiu() && receptor->window() == EscaneigDialeg::Dialeg();
    if (receptor->window() != finestra && !aDialeg)
        return false;
    switch (tipus) {
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton boto = static_cast<QMouseEvent *>(event)->button();
        const bool empassat = empassats.testFlag(boto);
        empassats.setFlag(boto, false);
        if (empassat)
            filtre->Pujar(int(boto));
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
    case QEvent::KeyRelease: {
        const auto *tecla = static_cast<QKeyEvent *>(event);
        if (!actiu() || commutadorDeTecla(tecla->key()) == Commutador::Cap)
            return false;
        if (!tecla->isAutoRepeat())
            filtre->Pujar(tecla->key());
        return true;
    }
    default:
        // A quick second press arrives as a double click; for a switch user
        // it is just another press.
        if (aDialeg)
            return premerRatoliDialeg(receptor, static_cast<QMouseEvent *>(event));
        return premerRatoli(receptor, static_cast<QMouseEvent *>(event));
    }
}
