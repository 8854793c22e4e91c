#pragma once

#include <QString>
#include <QStringList>
#include <QTextToSpeech>

#include <functional>

// Texts waiting behind the one being spoken. The engine's own say() cuts off
// what it is saying, so a voice object keeps this queue and hands the next
// text over when the engine reports that it is ready again.
class CuaParla
{
public:
    explicit CuaParla(std::function<void(const QString &)> dir) : m_dir(std::move(dir)) {}

    // Says the text now when nothing is being said, else queues it.
    void Afegir(const QString &text);
    // Drops the waiting texts and says this one now.
    void DirAra(const QString &text);
    // Drops up to `nombre` waiting texts, the first ones; the caller
    // silences the engine, and the next text follows when it reports ready.
    void Saltar(int nombre);
    // A voice object's Skip: `nombre` sentences forward, each text counting
    // as one. Drops the waiting texts among them and answers whether the
    // text being said must be cut off too. Throws ErrorVeu for any other unit
    // or a count below zero.
    bool SaltarFrases(const QString &tipus, int nombre);
    void EstatCanviat(QTextToSpeech::State estat);

    bool Ocupada() const { return m_parlant || !m_pendents.isEmpty(); }
    qsizetype Pendents() const { return m_pendents.size(); }

private:
    void Dir(const QString &text);

    std::function<void(const QString &)> m_dir;
    QStringList m_pendents;
    bool m_parlant = false;
};
