#include "AvisAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace {
AvisAccessible::Observador observadorActual = nullptr;
}

namespace AvisAccessible {

void CanviDeNom(QWidget *control)
{
    QAccessibleEvent canvi(control, QAccessible::NameChanged);
    if (observadorActual)
        observadorActual(&canvi);
    QAccessible::updateAccessibility(&canvi);
}

void setObservador(Observador observador) { observadorActual = observador; }

} // namespace AvisAccessible
