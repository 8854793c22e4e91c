#include "CuaParla.h"

#include "ErrorVeu.h"

#include <algorithm>

void CuaParla::Afegir(const QString &text)
{
    if (Ocupada())
        m_pendents.append(text);
    else
        Dir(text);
}

void CuaParla::DirAra(const QString &text)
{
    m_pendents.clear();
    Dir(text);
}

void CuaParla::Saltar(int nombre)
{
    m_pendents.remove(0, std::min<qsizetype>(std::max(nombre, 0), m_pendents.size()));
}

bool CuaParla::SaltarFrases(const QString &tipus, int nombre)
{
    if (tipus.compare(QLatin1String("Sentence"), Qt::CaseInsensitive) != 0 || nombre < 0)
        throw ErrorVeu("only skipping forward by sentences is possible");
    if (nombre == 0)
        return false;
    Saltar(nombre - 1);
    return true;
}

void CuaParla::EstatCanviat(QTextToSpeech::State estat)
{
    switch (estat) {
    case QTextToSpeech::Speaking:
        m_parlant = true;
        break;
    case QTextToSpeech::Ready:
        if (m_pendents.isEmpty())
            m_parlant = false;
        else
            Dir(m_pendents.takeFirst());
        break;
    case QTextToSpeech::Error:
        m_pendents.clear();
        m_parlant = false;
        break;
    case QTextToSpeech::Paused:
        break;
    }
}

void CuaParla::Dir(const QString &text)
{
    // Busy from the hand-over on: the engine may report Speaking only later.
    m_parlant = true;
    m_dir(text);
}
