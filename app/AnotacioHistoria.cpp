#include "AnotacioHistoria.h"

#include "Historia.h"
#include "MissatgeHistoria.h"
#include "Rellotge.h"

#include <QDateTime>
#include <QWidget>

Historia *AnotacioHistoria::CrearHistoria(QWidget *finestra, std::function<Llengua()> llengua)
{
    m_historia = new Historia(finestra);
    QObject::connect(m_historia, &Historia::Fallada, finestra,
                     [finestra, llengua, historia = m_historia](const ErrorHistoria &error) {
                         MissatgeHistoria(finestra, llengua(), error, historia->Cami());
                     });
    return m_historia;
}

void AnotacioHistoria::PreguntaMostrada()
{
    m_inici = Rellotge::GetTickCount();
    m_pulsacions = 0;
}

AnotacioHistoria::Mesura AnotacioHistoria::Mesurar() const
{
    // The tick wraps: the difference is right across the wrap.
    return {std::int64_t(std::uint32_t(Rellotge::GetTickCount() - m_inici)), m_pulsacions};
}

void AnotacioHistoria::Anotar(const QString &pregunta, const QString &resposta,
                              const QString &verdicte, const Mesura &mesura)
{
    if (!m_historia || !m_historia->Activa())
        return;
    const Context context = m_context();
    if (m_novaSessio || context.alumne != m_ultim.alumne || context.mode != m_ultim.mode ||
        context.tipus != m_ultim.tipus) {
        ++m_sessio;
        m_novaSessio = false;
        m_ultim = context;
    }
    RespostaDesada fila;
    fila.moment = QDateTime::currentMSecsSinceEpoch();
    fila.alumne = context.alumne;
    fila.tipus = context.tipus;
    fila.pregunta = pregunta;
    fila.resposta = resposta;
    fila.verdicte = verdicte;
    fila.ms = mesura.ms;
    fila.pulsacions = mesura.pulsacions;
    fila.sessio = m_sessio;
    fila.mode = context.mode;
    m_historia->Anotar(fila);
}

void AnotacioHistoria::AcabarCursa(std::uint32_t ms)
{
    if (m_historia && !m_novaSessio)
        m_historia->AcabarCursa(m_sessio, qint64(ms));
}
