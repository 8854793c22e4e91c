#pragma once

#include "Veu.h"

#include <QList>

// The voices a voice object reports, in its own order.
class LlistaVeus
{
public:
    explicit LlistaVeus(QList<Veu> veus = {}) : m_veus(std::move(veus)) {}

    int Count() const { return static_cast<int>(m_veus.size()); }
    // Throws ErrorVeu for a place outside the list.
    const Veu &Item(int lloc) const;

private:
    QList<Veu> m_veus;
};
