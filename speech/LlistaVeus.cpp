#include "LlistaVeus.h"

#include "ErrorVeu.h"

const Veu &LlistaVeus::Item(int lloc) const
{
    if (lloc < 0 || lloc >= m_veus.size())
        throw ErrorVeu("no voice at that place");
    return m_veus[lloc];
}
