#include "AccesOpcions.h"

#include "InformarError.h"
#include "MidesLletra.h"

#include <QPushButton>
#include <QWindow>

AccesOpcions::AccesOpcions(FitxerConfiguracio &fitxer, QPushButton *boto,
                           std::function<Llengua()> llengua, QWidget *opcions)
    : QObject(opcions), m_opcions(opcions), m_llengua(std::move(llengua)), m_configuracio(fitxer),
      m_finestra(std::make_unique<FinestraAcces>(m_configuracio, &InformarError))
{
    AplicarMidesLletra(m_finestra.get());
    connect(boto, &QPushButton::clicked, this, &AccesOpcions::Obrir);
}

AccesOpcions::~AccesOpcions() = default;

void AccesOpcions::Obrir()
{
    m_finestra->AplicarLlengua(m_llengua());
    m_finestra->winId();
    if (QWindow *finestra = m_finestra->windowHandle(); finestra && m_opcions->windowHandle())
        finestra->setTransientParent(m_opcions->windowHandle());
    m_finestra->exec();
}
