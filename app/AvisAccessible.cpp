#include "AvisAccessible.h"

namespace {
AvisAccessible::Observador observadorActual = nullptr;
}

AvisAccessible::AvisAccessible(QWidget *finestra) : QWidget(finestra)
{
    setObjectName(QStringLiteral("AvisAccessible"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    lower();
}

void AvisAccessible::Anunciar(const QString &text)
{
    if (text.isEmpty())
        return;
    setAccessibleName(text);
    if (observadorActual)
        observadorActual(text);
    // Showing again is what a screen reader hears.
    hide();
    show();
}

void AvisAccessible::setObservador(Observador observador)
{
    observadorActual = observador;
}
