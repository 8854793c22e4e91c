#include "Finestres.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace
{

constexpr qsizetype kLlargadaTitol = 254;

} // namespace

QWindow *FindAWindow(const QString &text)
{
    for (QWindow *finestra : QGuiApplication::topLevelWindows()) {
        if (!finestra->isVisible())
            continue;
        const QString titol = finestra->title().left(kLlargadaTitol);
        if (!titol.isEmpty() && titol.contains(text, Qt::CaseSensitive))
            return finestra;
    }
    return nullptr;
}

void PortarAlDavant(QWindow *finestra)
{
    if (!finestra)
        return;
    finestra->raise();
    finestra->requestActivate();
}

void PremerEnter(QWindow *finestra)
{
    // The press may close the window and so delete it before the release.
    QPointer<QWindow> desti = finestra;
    QKeyEvent premer(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    if (desti)
        QGuiApplication::sendEvent(desti, &premer);
    QKeyEvent deixar(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    if (desti)
        QGuiApplication::sendEvent(desti, &deixar);
}
