#include "IdiomaFinestres.h"

#include "TextosHistoria.h"

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

namespace {
// The control `nom` names in `finestra`: the window itself, a control, or
// with "Pare/Fill" the child "Fill" of the control "Pare".
QWidget *ControlAccessible(QWidget *finestra, const QString &nom)
{
    QWidget *control = finestra;
    for (const QString &part : nom.split(QLatin1Char('/'))) {
        if (control->objectName() != part)
            control = control->findChild<QWidget *>(part);
        if (!control)
            return nullptr;
    }
    return control;
}
} // namespace

void AplicarTextosAccessibles(QWidget *finestra, std::span<const TextAccessible> textos,
                              Llengua llengua)
{
    for (const TextAccessible &text : textos) {
        QWidget *control = ControlAccessible(finestra, QString::fromLatin1(text.control));
        if (!control)
            continue;
        if (const QString nom = text.nom(llengua); !nom.isEmpty())
            control->setAccessibleName(nom);
        if (const QString descripcio = text.descripcio(llengua); !descripcio.isEmpty())
            control->setAccessibleDescription(descripcio);
    }
}

void AplicarLlenguaOpcions(QWidget *opcions, Llengua llengua)
{
    AplicarTextos(opcions, Textos::opcions(), llengua);
    AplicarTextos(opcions, Textos::opcionsCommutadors(), llengua);
    AplicarTextos(opcions, Textos::opcionsHistoria(), llengua);
    AplicarTextosAccessibles(opcions, Textos::accessiblesOpcions(), llengua);
    AplicarTextosAccessibles(opcions, Textos::accessiblesOpcionsHistoria(), llengua);
    opcions->setWindowTitle(Textos::titolOpcions(llengua));
}
