#include "Permanencia.h"

#include "AnellPermanencia.h"
#include "ConfiguracioAcces.h"
#include "Rellotge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>

#include <algorithm>

namespace {
// How often the pointer is looked at: often enough for a smooth ring.
constexpr int IntervalMirarMs = 40;
} // namespace

Permanencia::Permanencia(QWidget *finestra, QList<QWidget *> tecles,
                         const ConfiguracioAcces *configuracio, std::function<bool()> enPausa)
    : QObject(finestra), m_finestra(finestra), m_tecles(std::move(tecles)),
      m_configuracio(nullptr), m_enPausa(std::move(enPausa)), m_anell(new AnellPermanencia(finestra))
{
    m_mirar.setInterval(std::max(1, Rellotge::durada(IntervalMirarMs)));
    connect(&m_mirar, &QTimer::timeout, this, &Permanencia::Comprovar);
    setConfiguracio(configuracio);
}

void Permanencia::setConfiguracio(const ConfiguracioAcces *configuracio)
{
    if (m_configuracio)
        m_configuracio->disconnect(this);
    m_configuracio = configuracio;
    if (m_configuracio)
        connect(m_configuracio, &ConfiguracioAcces::Canviat, this, &Permanencia::seguirConfiguracio);
    seguirConfiguracio();
}

void Permanencia::seguirConfiguracio()
{
    // No timer runs while dwell is off: an idle program stays idle.
    if (m_configuracio && m_configuracio->permanenciaMs() > 0) {
        if (!m_mirar.isActive())
            m_mirar.start();
        return;
    }
    m_mirar.stop();
    deixar(nullptr);
}

QWidget *Permanencia::teclaSotaElPunter() const
{
    if (QApplication::activeModalWidget() || (m_enPausa && m_enPausa()) || !m_finestra->isVisible())
        return nullptr;
    const QPoint punter = QCursor::pos();
    const QWidget *sota = QApplication::widgetAt(punter);
    if (!sota || sota->window() != m_finestra)
        return nullptr;
    for (; sota && sota != m_finestra; sota = sota->parentWidget())
        if (m_tecles.contains(sota))
            return const_cast<QWidget *>(sota);
    return nullptr;
}

void Permanencia::deixar(QWidget *tecla)
{
    m_tecla = tecla;
    m_premuda = false;
    m_arribada = Rellotge::GetTickCount();
    m_anell->hide();
}

void Permanencia::Comprovar()
{
    if (!m_configuracio || m_configuracio->permanenciaMs() <= 0)
        return;
    QWidget *tecla = teclaSotaElPunter();
    if (tecla != m_tecla)
        deixar(tecla);
    if (!tecla || m_premuda)
        return;
    // A disabled key (during the pause after an answer) is waited for anew.
    auto *boto = qobject_cast<QAbstractButton *>(tecla);
    if (!boto || !boto->isEnabled()) {
        deixar(tecla);
        return;
    }
    const double fraccio =
        double(Rellotge::GetTickCount() - m_arribada) / m_configuracio->permanenciaMs();
    if (fraccio < 1) {
        m_anell->Mostrar(tecla, fraccio);
        return;
    }
    m_premuda = true;
    m_anell->hide();
    boto->click();
}
