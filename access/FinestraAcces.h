#pragma once

#include "ConfiguracioAcces.h"
#include "Textos.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
namespace Ui {
class FinestraAcces;
}

// The "Accés" window: the person who sets up a learner's access tunes here
// how switches are read, how the scan moves, dwell and the frame. Every
// change is stored at once; the window only shows the settings and steps
// them.
class FinestraAcces : public QDialog
{
    Q_OBJECT

public:
    using Informar = std::function<void(QWidget *pare, const QString &missatge)>;

    // `informar` reports a settings write the system refused.
    FinestraAcces(ConfiguracioAcces &configuracio, Informar informar, QWidget *parent = nullptr);
    ~FinestraAcces() override;

    // Captions, accessible names and values in `llengua`.
    void AplicarLlengua(Llengua llengua);

    const std::unique_ptr<Ui::FinestraAcces> ui;

private:
    struct Fila {
        ConfiguracioAcces::Ajust ajust;
        QLabel *nom;
        QLabel *valor;
        QPushButton *menys;
        QPushButton *mes;
    };

    void connectarFila(const Fila &fila);
    void connectarMarc();
    void mostrarValors();
    QString textValor(ConfiguracioAcces::Ajust ajust) const;
    template <typename F> void ambEscriptura(F &&f);

    ConfiguracioAcces &m_configuracio;
    Informar m_informar;
    Llengua m_llengua = Llengua::Catala;
    QList<Fila> m_files;
};
