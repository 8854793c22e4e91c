#include "TeclatPrincipal.h"

#include "AvisAccessible.h"
#include "TFormPrincipal.h"
#include "ui_TFormPrincipal.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

TeclatPrincipal::TeclatPrincipal(TFormPrincipal &finestra, std::function<bool()> llegirResultat)
    : QObject(&finestra), finestra(finestra), resposta(finestra.ui->EditResultat),
      llegirResultat(std::move(llegirResultat))
{
    // Keys go to the focused control first: the filter sits on each of them,
    // after the application's filters (the scanning's among them).
    finestra.installEventFilter(this);
    for (QWidget *control : finestra.findChildren<QWidget *>())
        control->installEventFilter(this);
}

QString TeclatPrincipal::TextComptadors() const
{
    const auto &ui = *finestra.ui;
    QString text = ui.LabelPreguntes->text() + QStringLiteral(", ") + ui.LabelCorrectes->text();
    if (ui.LabelCompteEnrera->isVisibleTo(&finestra))
        text += QStringLiteral(", ") + ui.LabelCompteEnrera->accessibleName() + QStringLiteral(": ") +
                ui.LabelCompteEnrera->text() + finestra.TextSegons;
    return text;
}

void TeclatPrincipal::DirComptadors()
{
    const QString text = TextComptadors();
    if (auto *avis = finestra.findChild<AvisAccessible *>())
        avis->Anunciar(text);
    if (llegirResultat && llegirResultat())
        finestra.ParlarOperacio(text);
}

bool TeclatPrincipal::eventFilter(QObject *objecte, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !objecte->isWidgetType())
        return false;
    return premerTecla(static_cast<QWidget *>(objecte), static_cast<QKeyEvent *>(event));
}

bool TeclatPrincipal::premerTecla(QWidget *receptor, QKeyEvent *event)
{
    if (event->key() == TeclaComptadors) {
        if (!event->isAutoRepeat())
            DirComptadors();
        return true;
    }
    // The answer box takes its own keys; Enter there runs "D'acord".
    if (receptor == resposta)
        return false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *boto = qobject_cast<QAbstractButton *>(receptor);
    if (enter && boto && !qobject_cast<QCheckBox *>(boto)) {
        // One press is one click, as with Space; a held key does not repeat it.
        if (!event->isAutoRepeat() && boto->isEnabled() && boto->isVisible())
            boto->click();
        return true;
    }
    return escriureResposta(event);
}

bool TeclatPrincipal::escriureResposta(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    const bool xifra = text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('-'));
    if (!xifra && event->key() != Qt::Key_Backspace)
        return false;
    // In the pause after "D'acord" the box is shut and the key changes nothing.
    if (!resposta->isEnabled() || !resposta->isVisible())
        return false;
    finestra.FocusResultat();
    QKeyEvent copia(event->type(), event->key(), event->modifiers(), event->text(),
                    event->isAutoRepeat(), event->count());
    QApplication::sendEvent(resposta, &copia);
    return true;
}
