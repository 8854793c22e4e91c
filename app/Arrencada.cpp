#include "Arrencada.h"

#include "BaseHistoria.h"

#include "ui_TFormPrincipal.h"
#include "TFormTTSUi.h"

#include <QTimer>

namespace {
const QString Trimbol = QStringLiteral("TRIMBOL");
}

// The options window hides its speech test controls: the program always
// creates it that way. Its voice list is filled once the splash is up, so
// that the desktop's speech service has until then to answer.
Arrencada::Arrencada(const QString &camiConfiguracio)
    : FormTTS(FormPrincipal, camiConfiguracio, /*ocultarProvesVeu=*/true, TFormTTS::Veus::Despres)
{
    FormPrincipal.setFinestres(&AboutBox, &FormJocs, &FormTTS);
}

void Arrencada::Iniciar(int duradaSplash)
{
    // The options window is the first the learner works in: the main window
    // shows behind it without taking the focus, which waits on the answer
    // box, and the splash takes none either.
    FormPrincipal.setAttribute(Qt::WA_ShowWithoutActivating);
    FormPrincipal.ui->EditResultat->setFocus();
    FormPrincipal.show();
    AboutBox.MostrarSplash(duradaSplash);
    RestaurarOpcions();
    // After the language: with no voice stored, the first voice of the
    // learner's language speaks.
    FormTTS.PrepararVeus();
    FormTTS.RadioButtonTM1XClick();
    // The restart above wrote a header: the record starts empty all the same.
    FormPrincipal.BuidarRegistre();
    // Every answer from now on is kept in the learner's history.
    FormPrincipal.ObrirHistoria(BaseHistoria::CamiPerDefecte());
    QTimer::singleShot(0, &FormPrincipal, &TFormPrincipal::SpeedButtonMenuClick);
}

void Arrencada::RestaurarOpcions()
{
    FitxerConfiguracio &fitxer = FormTTS.configuracio();
    // Values are compared exactly: "si" is not "SI".
    if (fitxer.ReadString(Trimbol, QStringLiteral("LLENGUA"), QStringLiteral("1")) ==
        QLatin1String("2")) {
        FormPrincipal.MenuCastellaClick();
        FormTTS.ui->CheckBoxMenuCastellano->setChecked(true);
    } else {
        FormPrincipal.MenuCatalaClick();
    }
    if (fitxer.ReadString(Trimbol, QStringLiteral("LLEGIR"), QStringLiteral("NO")) ==
        QLatin1String("SI")) {
        FormTTS.ui->CheckBoxLlegirResultat->setChecked(true);
        FormPrincipal.PausaResposta = 3000;
    }
    if (fitxer.ReadString(Trimbol, QStringLiteral("CheckBoxNoVeure"), QStringLiteral("NO")) ==
        QLatin1String("SI"))
        FormPrincipal.ui->CheckBoxNoVeure->setChecked(true);
}
