#pragma once

#include "Informe.h"
#include "Textos.h"

#include <QDialog>

#include <memory>
#include <optional>

class GraficRitme;
class QPrinter;
namespace Ui {
class TFormInforme;
}

// The report window: one learner's answers over a range of days, per
// operation kind, the bests of the two timed games, the grid of facts of a
// tables kind with the five most missed, and a chart of correct answers per
// minute. It exports the answers as CSV, prints or saves itself as PDF, and
// deletes a learner. It reads the history file at `cami`.
class TFormInforme : public QDialog
{
    Q_OBJECT

public:
    TFormInforme(const QString &cami, const QString &alumne, Llengua llengua,
                 QWidget *parent = nullptr);
    ~TFormInforme() override;

    const std::unique_ptr<Ui::TFormInforme> ui;
    GraficRitme *Grafic() const { return m_grafic; }
    // What the window shows now.
    const std::optional<Informe> &InformeActual() const { return m_informe; }

    // Handlers.
    void Actualitzar();
    void ComboBoxTaulaChange();
    void ButtonExportarClick();
    void ButtonImprimirClick();
    void ButtonPdfClick();
    void ButtonEsborrarAlumneClick();

private:
    void aplicarTextos();
    void omplirAlumnes(const QString &triat);
    void omplirTipus();
    void omplirMillors();
    void situarDates();
    QString alumne() const;
    QDateTime des() const;
    QDateTime fins() const;
    QString demanarFitxer(const QString &filtre, const QString &extensio);
    void dibuixar(QPrinter &impressora);
    QString nomTipus(const QString &codi) const;

    const QString m_cami;
    const Llengua m_llengua;
    GraficRitme *m_grafic = nullptr;
    std::optional<Informe> m_informe;
};
