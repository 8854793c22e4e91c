#pragma once

#include "FitxerConfiguracio.h"
#include "MotorsDeVeu.h"
#include "UpDown.h"

#include <QDialog>

#include <memory>

class AccesOpcions;
class AlumneOpcions;
class ConfiguracioAcces;
class FinestraPrincipal;
class QRadioButton;
namespace Ui {
class TFormTTS;
}

// The options window: the program's hub. The learner or the teacher picks the
// operation kind, the table limit, reading aloud, the voice, scanning and the
// language here, and leaves it with one of four buttons that say how the
// drill goes on. It owns the settings file.
class TFormTTS : public QDialog
{
    Q_OBJECT

public:
    // How the window was left.
    enum Mode { ModeNormal = 0, ModeJoc1 = 1, ModeJoc2 = 2, ModeSortir = 3 };
    // When the voice list is filled: while the window is created, or later,
    // by PrepararVeus(), so that the program's first window does not wait
    // for the desktop's speech service.
    enum class Veus { AlCrear, Despres };

    TFormTTS(FinestraPrincipal &principal, const QString &camiConfiguracio, bool ocultarProvesVeu,
             Veus veus = Veus::AlCrear, QWidget *parent = nullptr);
    ~TFormTTS() override;

    ::FitxerConfiguracio &configuracio() { return m_fitxer; }

    // The learner's choices, as the main window needs them.
    QString OperacioTriada() const; // the ticked kind: "TS1X", "TM1X", ...
    bool LlegirResultat() const;
    bool LlegirTecles() const;
    bool EscaneigAutomatic() const;
    bool EscaneigDirigit() const;
    int IntervalEscaneig() const;
    QString TitolJoc1() const;
    QString TitolJoc2() const;
    // The learner whose answers the history keeps, and the learners it knows.
    QString Alumne() const;
    void setAlumnesConeguts(const QStringList &alumnes);

    // Fills the voice list and restores the stored voice, for the interface
    // language in use; runs once.
    void PrepararVeus();

    // Says a text with the engine of the selected voice.
    void Parlar(const QString &text);
    // Says a short text at once, cutting off what is being said.
    void Anunciar(const QString &text);
    // Whether the selected voice is still saying something.
    bool Parlant() const;
    // Stops speech now.
    void Callar();

    // Runs the close handling (which stores the settings) even when the
    // window is already hidden.
    void Close();

    // Handlers.
    void UpDownEditTaulesFinsLesDeClick(UpDown::Boto boto);
    void RadioButtonTS1XClick();
    void RadioButtonTM1XClick();
    void RadioButtonTR1XClick();
    void RadioButtonTD1XClick();
    void RadioButtonSE1XClick();
    void RadioButtonME1XClick();
    void RadioButtonS3E1XClick();
    void RadioButtonM3E1XClick();
    void RadioButtonSE2XClick();
    void RadioButtonME2XClick();
    void CheckBoxSecundariaClick();
    void CheckBoxLlegirResultatClick();
    void CheckBoxMenuCastellanoClick();
    void CheckBoxEscaneigClick();
    void CheckBoxEscaneigDirigitClick();
    void UpDownEditIntervalEscaneigClick(UpDown::Boto boto);
    void ButtonParlantDeClick();
    void ButtonCopiarALaCarpetaClick();
    void ButtonInformeClick();
    void LabelInstalarClick();
    void BitBtnHelpClick();
    void BitBtnDAcordClick();
    void BitBtnOperacions60Click();
    void BitBtnContrarrellotgeClick();
    void BitBtnSortirClick();
    void ListBoxMotorsDeVeuClick();
    void ButtonParlarClick();
    void ButtonCallaClick();
    void ButtonWavClick();

    // The learner's switch-access settings and the "Accés" window, opened by
    // ButtonAcces.
    AccesOpcions &acces() { return *m_acces; }

    const std::unique_ptr<Ui::TFormTTS> ui;
    // The speech engines behind the voice list.
    MotorsDeVeu *const Motors;
    int TaulaMaxima = 10;
    int ModeTriat = ModeNormal;
    const bool OcultarProvesVeu;

    // Pages of ours that the window opens in the help window, in the
    // interface language.
    QUrl paginaInstalarVeus() const;
    QUrl paginaAjuda() const;

public slots:
    void done(int resultat) override;

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void connectarControls();
    void TriarOperacio(QRadioButton *boto, bool mostrarMenys);
    void LlegirIntervalEscaneig();
    // "Com instal·lar sintetitzadors de veu?" works from the keyboard too.
    void PrepararTeclatInstalar();
    bool EventInstalar(QEvent *event);
    void RestaurarVeu();
    // After a change of interface language: a voice that cannot speak the
    // new language gives way to the first one that can, unless the learner
    // chose it.
    void SeguirLlengua();
    void TriarIAplicar(int fila);
    void EscriureVeuTriada();
    int PosicioVeu() const;
    // Runs a handler that writes settings; a refused write is reported and
    // ends the handler there.
    template <typename F> void ambEscriptura(F &&f);

    FinestraPrincipal &m_principal;
    ::FitxerConfiguracio m_fitxer;
    // The voice selected when the mouse went down on the list.
    int m_filaAbansClic = -1;
    bool m_veusPreparades = false;
    // The voice in use was chosen in the list, not by the program.
    bool m_triadaAMa = false;
    // The stored voice is not in the list this run: what is stored about it
    // is kept for the next one.
    bool m_eleccioPerduda = false;
    AccesOpcions *m_acces = nullptr;
    std::unique_ptr<AlumneOpcions> m_alumne;
};
