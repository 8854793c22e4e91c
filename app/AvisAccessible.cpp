#include "AvisAccessible.h"

#include <QEvent>
#include <QLabel>

namespace {
AvisAccessible::Observador observadorActual = nullptr;
}

AvisAccessible::AvisAccessible(QWidget *finestra) : QWidget(finestra)
{
    setObjectName(QStringLiteral("AvisAccessible"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    lower();
    for (QLabel *etiqueta : finestra->findChildren<QLabel *>())
        etiqueta->installEventFilter(this);
}

void AvisAccessible::Anunciar(const QString &text)
{
    if (text.isEmpty())
        return;
    if (observadorActual)
        observadorActual(text);
    // In the pause after an answer the focus waits on the question, and a
    // screen reader reads what has the focus: the label says the text then,
    // and a notice would say it a second time.
    if (auto *etiqueta = qobject_cast<QLabel *>(window()->focusWidget());
        etiqueta && etiqueta->isVisible()) {
        Portaveu(etiqueta, text);
        return;
    }
    setAccessibleName(text);
    // Showing again is what a screen reader hears.
    hide();
    show();
}

void AvisAccessible::Portaveu(QLabel *etiqueta, const QString &text)
{
    // A change of name of the control with the focus is read out.
    etiqueta->setAccessibleName(text);
}

bool AvisAccessible::eventFilter(QObject *objecte, QEvent *event)
{
    // A label with the focus keeps the name it had when the focus came (a
    // new caption would be read out as a change of name) until a notice
    // renames it; it takes back its caption as its name when the focus goes.
    auto *etiqueta = static_cast<QLabel *>(objecte);
    if (event->type() == QEvent::FocusIn)
        etiqueta->setAccessibleName(etiqueta->text());
    else if (event->type() == QEvent::FocusOut)
        etiqueta->setAccessibleName(QString());
    return false;
}

void AvisAccessible::setObservador(Observador observador)
{
    observadorActual = observador;
}
