#pragma once

#include "BaseHistoria.h"
#include "RespostaDesada.h"

#include <QObject>
#include <QThread>

#include <atomic>

class EscriptorHistoria;

// The learner's history as the drill sees it: answers handed over at once,
// written on the history's own thread. When the file cannot be kept the
// history says so once, with Fallada, and the drill goes on without it.
class Historia : public QObject
{
    Q_OBJECT

public:
    explicit Historia(QObject *parent = nullptr);
    ~Historia() override;

    // Opens the file; a failure arrives as Fallada.
    void Obrir(const QString &cami = BaseHistoria::CamiPerDefecte());
    const QString &Cami() const { return m_cami; }
    // Whether answers are still being kept.
    bool Activa() const { return m_activa; }

    void Anotar(const RespostaDesada &resposta);
    void AcabarCursa(std::uint64_t sessio, qint64 ms);

    // Waits, at most `ms`, until what was handed over has been written.
    bool Buidar(int ms);

signals:
    void Fallada(const ErrorHistoria &error);
    void Desada(qint64 desades);

private:
    QThread m_fil;
    EscriptorHistoria *m_escriptor = nullptr;
    QString m_cami;
    // Set off by the writing thread itself, the moment a write fails.
    std::atomic<bool> m_activa{false};
    bool m_fallada = false;
};
