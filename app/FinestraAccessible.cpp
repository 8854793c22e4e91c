#include "FinestraAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Asked for each class of an object from the most derived one up; dialogs,
// menus and main windows have answered before "QWidget" is reached.
QAccessibleInterface *InterficieFinestra(const QString &classe, QObject *objecte)
{
    auto *control = qobject_cast<QWidget *>(objecte);
    if (!control)
        return nullptr;
    // The notices to screen readers.
    if (classe == QLatin1String("AvisAccessible"))
        return new QAccessibleWidget(control, QAccessible::Notification);
    if (classe != QLatin1String("QWidget") || !control->isWindow())
        return nullptr;
    // A window is named by its title and is active while it has the focus.
    return new QAccessibleWidget(control, QAccessible::Window);
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
