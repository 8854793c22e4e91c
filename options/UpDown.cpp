#include "UpDown.h"

#include <QToolButton>

UpDown::UpDown(QWidget *parent)
    : QWidget(parent), m_anterior(new QToolButton(this)), m_seguent(new QToolButton(this))
{
    m_anterior->setObjectName(QStringLiteral("Anterior"));
    m_seguent->setObjectName(QStringLiteral("Seguent"));
    m_anterior->setArrowType(Qt::LeftArrow);
    m_seguent->setArrowType(Qt::RightArrow);
    for (QToolButton *fletxa : {m_anterior, m_seguent}) {
        // Tab reaches each arrow and Space presses it; a click leaves the
        // focus where it was.
        fletxa->setFocusPolicy(Qt::TabFocus);
        fletxa->setAutoRepeat(true);
    }
    connect(m_anterior, &QToolButton::clicked, this, [this] { emit Click(Boto::Anterior); });
    connect(m_seguent, &QToolButton::clicked, this, [this] { emit Click(Boto::Seguent); });
}

QToolButton *UpDown::fletxa(Boto boto) const
{
    return boto == Boto::Anterior ? m_anterior : m_seguent;
}

void UpDown::resizeEvent(QResizeEvent *)
{
    const int meitat = width() / 2;
    m_anterior->setGeometry(0, 0, meitat, height());
    m_seguent->setGeometry(meitat, 0, width() - meitat, height());
}
