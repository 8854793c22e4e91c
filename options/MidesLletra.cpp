#include "MidesLletra.h"

#include <QWidget>

namespace {
void AplicarA(QWidget *control)
{
    const QVariant pixels = control->property("pixels");
    if (!pixels.isValid())
        return;
    QFont font = control->font();
    font.setPixelSize(pixels.toInt());
    control->setFont(font);
}
} // namespace

void AplicarMidesLletra(QWidget *finestra)
{
    // The window first: controls without a font of their own inherit it.
    AplicarA(finestra);
    for (QWidget *control : finestra->findChildren<QWidget *>())
        AplicarA(control);
}
