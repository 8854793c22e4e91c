#include "IdiomaFinestres.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QWidget>

void AplicarTextos(QWidget *finestra, std::span<const TextControl> textos, Llengua llengua)
{
    for (const TextControl &text : textos) {
        const QString nom = QString::fromLatin1(text.control);
        const QString valor = text.en(llengua);
        if (auto *boto = finestra->findChild<QAbstractButton *>(nom))
            boto->setText(valor);
        else if (auto *etiqueta = finestra->findChild<QLabel *>(nom)) {
            // Labels fit their width to their caption.
            etiqueta->setText(valor);
            etiqueta->adjustSize();
        }
        else if (auto *accio = finestra->findChild<QAction *>(nom))
            accio->setText(valor);
    }
}
