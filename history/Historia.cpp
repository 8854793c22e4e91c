#include "Historia.h"

#include "EscriptorHistoria.h"

#include <QDeadlineTimer>
#include <QSemaphore>

namespace {
// A lock held by another copy of the program lasts a few milliseconds;
// this is far beyond it and still bounded.
constexpr int EsperaBloqueig = 5000;
}

Historia::Historia(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<RespostaDesada>();
    qRegisterMetaType<ErrorHistoria>();
    m_fil.setObjectName(QStringLiteral("historia"));
}

Historia::~Historia()
{
    if (!m_escriptor)
        return;
    // What is still queued is written before the thread ends; the wait is
    // bounded by the lock wait of each answer.
    m_fil.quit();
    m_fil.wait(QDeadlineTimer(EsperaBloqueig * 2));
}

void Historia::Obrir(const QString &cami)
{
    if (m_escriptor)
        return;
    m_cami = cami;
    m_escriptor = new EscriptorHistoria(EsperaBloqueig);
    m_escriptor->moveToThread(&m_fil);
    connect(&m_fil, &QThread::finished, m_escriptor, &QObject::deleteLater);
    connect(m_escriptor, &EscriptorHistoria::Fallada, this, [this] { m_activa = false; },
            Qt::DirectConnection);
    connect(m_escriptor, &EscriptorHistoria::Fallada, this, [this](const ErrorHistoria &error) {
        // One message: later failures of the same run say nothing more.
        if (!m_fallada) {
            m_fallada = true;
            emit Fallada(error);
        }
    });
    connect(m_escriptor, &EscriptorHistoria::Desada, this, &Historia::Desada);
    m_fil.start();
    m_activa = true;
    QMetaObject::invokeMethod(m_escriptor, "Obrir", Qt::QueuedConnection, Q_ARG(QString, cami));
}

void Historia::Anotar(const RespostaDesada &resposta)
{
    if (!m_activa)
        return;
    QMetaObject::invokeMethod(m_escriptor, "Desar", Qt::QueuedConnection,
                              Q_ARG(RespostaDesada, resposta));
}

void Historia::AcabarCursa(std::uint64_t sessio, qint64 ms)
{
    if (!m_activa)
        return;
    QMetaObject::invokeMethod(m_escriptor, "AcabarCursa", Qt::QueuedConnection,
                              Q_ARG(quint64, sessio), Q_ARG(qint64, ms));
}

bool Historia::Buidar(int ms)
{
    if (!m_escriptor)
        return true;
    // A token through the same queue: once it is seen, everything before
    // it has been written.
    auto senyal = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(m_escriptor, [senyal] { senyal->release(); }, Qt::QueuedConnection);
    return senyal->tryAcquire(1, ms);
}
