#include "RolsAccessibles.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace {

// A label's name: its accessible name, else its caption.
QString NomEtiqueta(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (auto *etiqueta = qobject_cast<const QLabel *>(control))
        return etiqueta->text();
    return QString();
}

class InterficieGrup : public QAccessibleWidget
{
public:
    explicit InterficieGrup(QWidget *marc) : QAccessibleWidget(marc, QAccessible::Grouping) {}
};

class InterficieEnllac : public QAccessibleWidget
{
public:
    InterficieEnllac(QLabel *etiqueta, std::function<void()> obrir)
        : QAccessibleWidget(etiqueta, QAccessible::Link), obrir(std::move(obrir))
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NomEtiqueta(widget());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &accio) override
    {
        if (accio == pressAction() && obrir)
            obrir();
        else
            QAccessibleWidget::doAction(accio);
    }

private:
    std::function<void()> obrir;
};

class InterficieValor : public QAccessibleWidget
{
public:
    explicit InterficieValor(QLabel *etiqueta) : QAccessibleWidget(etiqueta, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        // "Temps: 57": the name says what the number is and holds what the
        // label shows, for those who call a control by what they see.
        if (t == QAccessible::Name) {
            const QString nom = widget()->accessibleName();
            const QString valor = static_cast<QLabel *>(widget())->text();
            return nom.isEmpty() ? valor : nom + QStringLiteral(": ") + valor;
        }
        if (t == QAccessible::Value)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class InterficieBotoDeValor : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    InterficieBotoDeValor(QAbstractButton *boto, QAbstractSpinBox *camp)
        : QAccessibleWidget(boto, QAccessible::Button), camp(camp)
    {
    }
    void *interface_cast(QAccessible::InterfaceType tipus) override
    {
        if (tipus == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(tipus);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return camp ? camp->text() : QString();
        // "Menys taules, 9": the number is heard with the arrow's name.
        if (t == QAccessible::Name && camp)
            return QAccessibleWidget::text(t) + QStringLiteral(", ") + camp->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &accio) override
    {
        if (accio == pressAction())
            static_cast<QAbstractButton *>(widget())->click();
        else
            QAccessibleWidget::doAction(accio);
    }
    // The number, read only: the button steps it.
    QVariant currentValue() const override { return camp ? camp->property("value") : QVariant(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return camp ? camp->property("maximum") : QVariant(); }
    QVariant minimumValue() const override { return camp ? camp->property("minimum") : QVariant(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    QPointer<QAbstractSpinBox> camp;
};

void Registrar(QAccessibleInterface *interficie)
{
    QAccessible::registerAccessibleInterface(interficie);
}

} // namespace

namespace RolsAccessibles {

void Grup(QWidget *marc) { Registrar(new InterficieGrup(marc)); }

void Enllac(QLabel *etiqueta, std::function<void()> obrir)
{
    Registrar(new InterficieEnllac(etiqueta, std::move(obrir)));
}

void Valor(QLabel *etiqueta) { Registrar(new InterficieValor(etiqueta)); }

void BotoDeValor(QAbstractButton *boto, QAbstractSpinBox *camp)
{
    Registrar(new InterficieBotoDeValor(boto, camp));
}

} // namespace RolsAccessibles
