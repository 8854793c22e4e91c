#include "FinestraAccessible.h"

#include "TAboutBox.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// The about window is a dialog, except while it stands as the start-up
// splash: then it is a plain window that a screen reader leaves alone.
class InterficieAbout : public QAccessibleWidget
{
public:
    explicit InterficieAbout(TAboutBox *about) : QAccessibleWidget(about, QAccessible::Dialog) {}
    QAccessible::Role role() const override
    {
        return static_cast<TAboutBox *>(widget())->EsSplash() ? QAccessible::Window
                                                               : QAccessible::Dialog;
    }
    QAccessible::State state() const override
    {
        QAccessible::State estat = QAccessibleWidget::state();
        if (static_cast<TAboutBox *>(widget())->EsSplash())
            estat.focusable = false;
        return estat;
    }
};

// Asked for each class of an object from the most derived one up; dialogs,
// menus and main windows have answered before "QWidget" is reached.
QAccessibleInterface *InterficieFinestra(const QString &classe, QObject *objecte)
{
    auto *control = qobject_cast<QWidget *>(objecte);
    if (!control)
        return nullptr;
    if (auto *about = qobject_cast<TAboutBox *>(control); about && classe == QLatin1String("TAboutBox"))
        return new InterficieAbout(about);
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
