#include "FiltrePremudes.h"

#include "ConfiguracioAcces.h"
#include "Rellotge.h"

#include <algorithm>

FiltrePremudes::FiltrePremudes(const ConfiguracioAcces *configuracio, QObject *parent)
    : QObject(parent), m_configuracio(configuracio)
{
    m_mantenir.setSingleShot(true);
    m_mantenir.setTimerType(Qt::PreciseTimer);
    connect(&m_mantenir, &QTimer::timeout, this, [this] {
        if (m_commutador >= 0)
            acceptar();
    });
}

int FiltrePremudes::acceptacioMs() const
{
    return m_configuracio ? m_configuracio->acceptacioMs() : 0;
}

int FiltrePremudes::repeticionsMs() const
{
    return m_configuracio ? m_configuracio->repeticionsMs() : 0;
}

bool FiltrePremudes::Transparent() const { return acceptacioMs() == 0 && repeticionsMs() == 0; }

void FiltrePremudes::Baixar(int commutador, Accio accio)
{
    // The tick count wraps: differences in unsigned arithmetic stay right.
    const std::uint32_t ara = Rellotge::GetTickCount();
    Oblidar();
    if (m_hiHaAcceptada && ara - m_acceptada < std::uint32_t(repeticionsMs()))
        return;
    m_commutador = commutador;
    m_baixada = ara;
    m_accio = std::move(accio);
    if (acceptacioMs() == 0) {
        acceptar();
        return;
    }
    m_mantenir.start(std::max(1, Rellotge::durada(acceptacioMs())));
}

void FiltrePremudes::Pujar(int commutador)
{
    if (commutador != m_commutador)
        return;
    if (Rellotge::GetTickCount() - m_baixada >= std::uint32_t(acceptacioMs()))
        acceptar();
    Oblidar();
}

void FiltrePremudes::Oblidar()
{
    m_mantenir.stop();
    m_commutador = -1;
    m_accio = nullptr;
}

void FiltrePremudes::acceptar()
{
    m_mantenir.stop();
    m_hiHaAcceptada = true;
    m_acceptada = Rellotge::GetTickCount();
    // Counted once: the release that follows does nothing more.
    m_commutador = -1;
    const Accio accio = std::move(m_accio);
    m_accio = nullptr;
    emit Acceptada();
    if (accio)
        accio();
}
