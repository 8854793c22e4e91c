#pragma once

#include "BaseHistoria.h"
#include "RespostaDesada.h"

#include <QObject>

#include <cstdint>
#include <map>

// Writes the answers into the history file. It lives on a thread of its
// own, so a file locked by another copy of the program never holds up the
// window: each answer is one transaction, waiting at most `esperaMs` for
// the lock.
class EscriptorHistoria : public QObject
{
    Q_OBJECT

public:
    explicit EscriptorHistoria(int esperaMs) : m_esperaMs(esperaMs) {}
    ~EscriptorHistoria() override;

public slots:
    void Obrir(const QString &cami);
    void Desar(const RespostaDesada &resposta);
    // The race of session `sessio` reached 32 correct answers in `ms`.
    void AcabarCursa(quint64 sessio, qint64 ms);

signals:
    void Oberta();
    // Every answer stored so far (a count, for those who wait on it).
    void Desada(qint64 desades);
    // The history cannot be kept; nothing more is written.
    void Fallada(const ErrorHistoria &error);

private:
    ErrorHistoria desar(const RespostaDesada &resposta);
    ErrorHistoria sessioDe(const RespostaDesada &resposta, qint64 &id);
    void fallar(const ErrorHistoria &error);

    const int m_esperaMs;
    QString m_connexio;
    bool m_activa = false;
    qint64 m_desades = 0;
    // The program's practice runs and the sessions that hold them.
    std::map<std::uint64_t, qint64> m_sessions;
};
