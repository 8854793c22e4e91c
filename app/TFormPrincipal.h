#pragma once

#include "AnotacioHistoria.h"
#include "FinestraPrincipal.h"
#include "GeneradorPreguntes.h"
#include "Textos.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class AvisAccessible;
class Historia;
class JocsCronometrats;
class RegistreFeina;
class Escaneig;
class QDialog;
class QPushButton;
class TFormJocs;
class TFormTTS;
namespace Ui {
class TFormPrincipal;
}

// The main window: the question, the answer box, the keypad and the two
// counters. It asks the questions and checks the answers; the two timed
// games (JocsCronometrats), the record of the learner's work (RegistreFeina)
// and the learner's history (AnotacioHistoria) are classes of their own. Its state lives in its
// controls: the question is the caption of LabelOperacio, a running game is
// an enabled timer, the language is the tick of a menu item.
class TFormPrincipal : public QWidget, public FinestraPrincipal
{
    Q_OBJECT

public:
    static constexpr int SegonsJoc1 = 60;
    static constexpr int CorrectesJoc2 = 32;

    explicit TFormPrincipal(QWidget *parent = nullptr);
    ~TFormPrincipal() override;

    // The other windows exist only after the main window; start-up hands
    // them over once they are created.
    void setFinestres(QDialog *about, TFormJocs *jocs, TFormTTS *opcions);

    // Questions and practice runs.
    void GenerarPregunta();
    void ReiniciarSessio(const QString &titol) override;
    void MenuIniciarDeNouClick();

    // Answer entry and checking.
    void ButtonDigitClick(int digit);
    void ButtonMenysClick();
    void ButtonEsborrarClick();
    void ButtonNouClick();
    void BitBtnDAcordClick();
    void CheckBoxNoVeureClick();
    void FocusResultat();
    QString RespostaEsperada() const;

    // The options cycle and the timed games.
    void SpeedButtonMenuClick();
    void AturarJocs();
    void MenuFerElMaximDOperacionsClick();
    void MenuContraRellotgeClick();
    void TimerCompeEnreraTimer();
    void TimerContrarellogeTimer();
    void ComprovarFinalJoc2();
    void MenuSortirClick();
    void MenuParlantDeClick() override;
    void MenuCopiarALaCarpetaClick() override;
    // Empties the record of work: start-up does it once.
    void BuidarRegistre();
    // Keeps every answer in the history file at `cami` from now on; a file
    // that cannot be kept is said once, and the drill goes on without it.
    void ObrirHistoria(const QString &cami);
    Historia *historia() const { return m_historia; }
    // The report window of the learner named in the options window.
    void MenuInformeClick() override;
    void MenuVeureElsBotonsNumericsClick();

    // Switch scanning of the keypad, set up after every visit to the
    // options window.
    void IniciarEscaneig();
    // Says the caption of the key that the scan has just framed, when
    // "Llegir les tecles" is ticked.
    void LlegirTecla(QWidget *tecla);
    ::Escaneig &escaneig() { return *m_escaneig; }

    // Interface language.
    void MenuCatalaClick() override;
    void MenuCastellaClick() override;

    // Speech.
    void ParlarOperacio(const QString &text);
    QString FormaParlada(const QString &text) const;

    void MostrarButtonMenys(bool visible) override;
    void setPausaResposta(int ms) override { PausaResposta = ms; }

    // The time text of a race: tenths of `ms` rounded half to even, one
    // decimal with the locale's separator unless it is a whole number.
    static QString TextTemps(std::uint32_t ms);

    const std::unique_ptr<Ui::TFormPrincipal> ui;
    QTimer TimerCompeEnrera;
    QTimer TimerContrarelloge;

    std::int32_t NombrePreguntes = 0;
    std::int32_t NombreCorrectes = 0;
    std::int32_t PausaResposta = 1500;
    std::int32_t PausaNovaPregunta = 4000;
    std::uint32_t IniciJoc2 = 0;
    QString TextPreguntes, TextCorrectes, TextBe, TextNoCorrecte, TextPreparats, TextSegons;
    QString TitolSessio;

    // Shows a modal window in front of the one it is opened from.
    void MostrarModal(QDialog &dialeg);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void connectarControls();
    // The ten digit keys, "0" to "9".
    std::array<QPushButton *, 10> Digits() const;
    void AplicarLlengua(Llengua llengua);
    void RetolarComptadors();
    void setOperacio(const QString &text);
    void AfegirRegistre(const QString &linia);
    QString LiniaResposta(const QString &pregunta, const QString &resposta,
                          const QString &marca) const;
    void CamiCorrecte(const QString &pregunta, const QString &esperada);
    void CamiIncorrecte(const QString &pregunta);
    void ActivarBotonsResposta(bool actius);
    void VerdicteSenseEnfosquir();
    void SeguirLaPregunta();
    bool LlegirResultat() const;
    bool JocEnCurs() const;
    TipusOperacio TipusTriat() const;
    AnotacioHistoria::Context ContextHistoria() const;
    Llengua LlenguaActual() const;
    void ActualitzarAlumnes();
    void SembrarAleatori();

    QDialog *m_about = nullptr;
    TFormJocs *m_jocs = nullptr;
    TFormTTS *m_opcions = nullptr;
    GeneradorPreguntes m_generador;
    std::unique_ptr<::Escaneig> m_escaneig;
    // Tells a screen reader the question, the verdict and the solution.
    AvisAccessible *m_avis = nullptr;
    // Set when the window is closed, so that a handler interrupted inside a
    // pause does not carry on with a program that is ending.
    bool m_tancat = false;
    std::unique_ptr<RegistreFeina> m_registre;
    const std::unique_ptr<JocsCronometrats> m_jocsCronometrats;
    const std::unique_ptr<AnotacioHistoria> m_anotacio;
    Historia *m_historia = nullptr;
    // What "D'acord" measured, for the record line made after it.
    AnotacioHistoria::Mesura m_mesura;

    friend class JocsCronometrats;
};
