#include "FinestraAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Asked for each class of an object from the most derived one up; dialogs,
// menus and main windows have answered before "QWidget" is reached.
QAccessibleInterface *InterficieFinestra(const QString &classe, QObject *objecte)
{
    auto *finestra = qobject_cast<QWidget *>(objecte);
    if (classe != QLatin1String("QWidget") || !finestra || !finestra->isWindow())
        return nullptr;
    // A window is named by its title and is active while it has the focus.
    return new QAccessibleWidget(finestra, QAccessible::Window);
}

} // namespace

void InstallarFinestraAccessible()
{
    static const bool installada = [] {
        QAccessible::installFactory(&InterficieFinestra);
        return true;
    }();
    (void)installada;
}
