#pragma once

#include <QAccessible>
#include <QApplication>
#include <QAccessibleInterface>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <utility>

// Stands for a screen reader: takes every accessibility event the program
// sends, with the name and value of its object at that moment. Qt sends
// them only while an assistive technology listens: the test runs in a
// desktop session with the accessibility bus (sessio_accessible.sh).
class EscoltaAccessible
{
public:
    struct Esdeveniment {
        QAccessible::Event tipus;
        QPointer<QObject> objecte;
        QAccessible::Role rol;
        QString nom;
        QString valor;
    };

    EscoltaAccessible()
    {
        actual = this;
        anterior = QAccessible::installUpdateHandler(&Rebre);
    }
    ~EscoltaAccessible()
    {
        QAccessible::installUpdateHandler(anterior);
        actual = nullptr;
    }

    QList<Esdeveniment> esdeveniments;

    // What a screen reader would say, in order: a focus is read once the
    // program is back in its event loop, with the object's name then (a
    // reader asks for it after the event); a notification is read as it
    // shows. A change of name is not read: Orca skips those of labels, and
    // fails on those Qt sends for other controls.
    QStringList dit;

    QList<Esdeveniment> de(QAccessible::Event tipus) const
    {
        QList<Esdeveniment> trobats;
        for (const Esdeveniment &e : esdeveniments)
            if (e.tipus == tipus)
                trobats << e;
        return trobats;
    }
    // How many of the things said contain `text`.
    int vegades(const QString &text) const
    {
        int n = 0;
        for (const QString &frase : dit)
            n += frase.contains(text) ? 1 : 0;
        return n;
    }

private:
    static void Rebre(QAccessibleEvent *event)
    {
        if (actual)
            actual->rebre(event);
    }

    void rebre(QAccessibleEvent *event)
    {
        QAccessibleInterface *interficie = event->accessibleInterface();
        Esdeveniment e{event->type(), event->object(), QAccessible::NoRole, QString(), QString()};
        if (interficie) {
            e.rol = interficie->role();
            e.nom = interficie->text(QAccessible::Name);
            e.valor = interficie->text(QAccessible::Value);
        }
        if (event->type() == QAccessible::ValueChanged)
            e.valor = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        esdeveniments << e;
        llegir(e);
    }

    // A screen reader takes the events in order, a little later than they
    // are sent: once the program is back in its event loop.
    void llegir(const Esdeveniment &e)
    {
        pendents << e;
        if (pendents.size() == 1)
            QTimer::singleShot(0, qApp, [this] {
                if (actual == this)
                    llegirPendents();
            });
    }

    void llegirPendents()
    {
        const QList<Esdeveniment> llista = std::exchange(pendents, {});
        for (const Esdeveniment &e : llista) {
            QObject *objecte = e.objecte;
            if (!objecte)
                continue;
            if (e.tipus == QAccessible::Focus) {
                dit << QAccessible::queryAccessibleInterface(objecte)->text(QAccessible::Name);
            } else if (e.tipus == QAccessible::ObjectShow && e.rol == QAccessible::Notification) {
                dit << e.nom;
            }
        }
    }

    static inline EscoltaAccessible *actual = nullptr;
    QAccessible::UpdateHandler anterior = nullptr;
    QList<Esdeveniment> pendents;
};
