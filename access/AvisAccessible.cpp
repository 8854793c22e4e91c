#include "AvisAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {
AvisAccessible::Observador observadorActual = nullptr;
// Between the texts of one pass: a pause for the reader.
const QString Separador = QStringLiteral(". ");

QAccessibleInterface *InterficieAvis(const QString &classe, QObject *objecte)
{
    if (classe != QLatin1String("AvisAccessible"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(objecte), QAccessible::Notification);
}
} // namespace

AvisAccessible::AvisAccessible(QWidget *finestra) : QWidget(finestra)
{
    static const bool fabrica = [] {
        QAccessible::installFactory(&InterficieAvis);
        return true;
    }();
    (void)fabrica;
    setObjectName(QStringLiteral("AvisAccessible"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    lower();
    // Shown only to say something: a notice left showing would be read out
    // again each time its window shows.
    hide();
    window()->installEventFilter(this);
    for (QLabel *etiqueta : window()->findChildren<QLabel *>())
        etiqueta->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ara) {
        if (ara && ara->window() == window())
            m_focusNou = ara;
    });
}

void AvisAccessible::Anunciar(const QString &text)
{
    if (text.isEmpty())
        return;
    if (observadorActual)
        observadorActual(text);
    m_pendents << text;
    // The reader asks for the name of a new focus a moment after the event:
    // a label that has just taken the focus says the text then.
    if (auto *etiqueta = qobject_cast<QLabel *>(window()->focusWidget());
        etiqueta && etiqueta == m_focusNou && etiqueta->isVisible())
        etiqueta->setAccessibleName(m_pendents.join(Separador));
    if (m_pendents.size() == 1)
        QMetaObject::invokeMethod(this, &AvisAccessible::dir, Qt::QueuedConnection);
}

void AvisAccessible::dir()
{
    const QString text = m_pendents.join(Separador);
    m_pendents.clear();
    QWidget *focus = window()->focusWidget();
    const bool focusNou = focus && focus == m_focusNou;
    m_focusNou = nullptr;
    if (!window()->isActiveWindow())
        return;
    // Said by the label that took the focus, unless the focus went on.
    if (auto *etiqueta = qobject_cast<QLabel *>(focus);
        etiqueta && focusNou && etiqueta->accessibleName() == text)
        return;
    setAccessibleName(text);
    // Showing again is what a screen reader hears.
    hide();
    show();
}

bool AvisAccessible::eventFilter(QObject *objecte, QEvent *event)
{
    if (objecte == window()) {
        if (event->type() == QEvent::Hide)
            hide();
        return false;
    }
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
