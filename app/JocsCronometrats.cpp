#include "JocsCronometrats.h"

#include "Rellotge.h"
#include "TFormJocs.h"
#include "TFormPrincipal.h"
#include "TFormTTS.h"
#include "ui_TFormJocs.h"
#include "ui_TFormPrincipal.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>

void JocsCronometrats::Aturar()
{
    f.TimerCompeEnrera.stop();
    f.TimerContrarelloge.stop();
    f.ui->LabelCompteEnrera->hide();
}

bool JocsCronometrats::EnCurs() const
{
    return f.TimerCompeEnrera.isActive() || f.TimerContrarelloge.isActive();
}

void JocsCronometrats::iniciar(QTimer &temporitzador, const QString &textInicial,
                               const QString &titol)
{
    f.m_opcions->Close();
    f.TimerCompeEnrera.stop();
    f.TimerContrarelloge.stop();
    posarCompte(textInicial);
    f.ui->LabelCompteEnrera->show();
    f.setOperacio(QString());
    f.m_jocs->setWindowTitle(QStringLiteral("Trimbol - ") + titol);
    f.m_jocs->ui->LabelInformacio->setText(f.TextPreparats);
    QApplication::beep();
    // Any way of closing the prompt goes ahead: it has no cancel.
    f.MostrarModal(*f.m_jocs);
    if (f.m_tancat)
        return;
    f.MenuIniciarDeNouClick();
    temporitzador.start();
}

void JocsCronometrats::IniciarJoc1()
{
    iniciar(f.TimerCompeEnrera, QString::number(TFormPrincipal::SegonsJoc1),
            f.m_opcions->TitolJoc1());
}

void JocsCronometrats::IniciarJoc2()
{
    iniciar(f.TimerContrarelloge, QStringLiteral("0"), f.m_opcions->TitolJoc2());
    if (f.m_tancat)
        return;
    // The race is timed from here, once the prompt is closed and the first
    // question is on display.
    f.IniciJoc2 = Rellotge::GetTickCount();
}

void JocsCronometrats::mostrarResultat(const QString &informacio)
{
    f.m_jocs->ui->LabelInformacio->setText(informacio);
    QApplication::beep();
    f.MostrarModal(*f.m_jocs);
}

void JocsCronometrats::posarCompte(const QString &text)
{
    // The big number keeps its place; a wider one (a race past 99 seconds,
    // a time with tenths) grows around the same centre instead of being cut.
    QLabel *compte = f.ui->LabelCompteEnrera;
    compte->setText(text);
    constexpr int Centre = 460 + 72 / 2;
    const int amplada = std::max(72, compte->sizeHint().width());
    compte->setGeometry(std::min(Centre - amplada / 2, f.width() - amplada), 95, amplada, 86);
}

void JocsCronometrats::TickJoc1()
{
    const QString restants = QString::number(f.ui->LabelCompteEnrera->text().toInt() - 1);
    posarCompte(restants);
    if (restants != QLatin1String("0"))
        return;
    f.TimerCompeEnrera.stop();
    mostrarResultat(f.ui->LabelPreguntes->text() + QStringLiteral(" - ") +
                    f.ui->LabelCorrectes->text());
    f.ui->LabelCompteEnrera->hide();
}

void JocsCronometrats::TickJoc2()
{
    posarCompte(QString::number(f.ui->LabelCompteEnrera->text().toInt() + 1));
}

QString JocsCronometrats::TextTemps(std::uint32_t ms)
{
    // Tenths, an exact half going to the even neighbour, in whole numbers so
    // that 83 450 ms is exactly 834.5 tenths.
    std::uint32_t decimes = ms / 100;
    const std::uint32_t resta = ms % 100;
    if (resta > 50 || (resta == 50 && decimes % 2 == 1))
        ++decimes;
    if (decimes % 10 == 0)
        return QString::number(decimes / 10);
    return QString::number(decimes / 10) + QLocale().decimalPoint() + QString::number(decimes % 10);
}

void JocsCronometrats::ComprovarFinal()
{
    if (f.NombreCorrectes != TFormPrincipal::CorrectesJoc2 || !f.TimerContrarelloge.isActive())
        return;
    const std::uint32_t transcorregut = Rellotge::GetTickCount() - f.IniciJoc2;
    const QString temps = TextTemps(transcorregut);
    f.TimerContrarelloge.stop();
    if (m_cursaAcabada)
        m_cursaAcabada(transcorregut);
    posarCompte(temps);
    f.m_jocs->setWindowTitle(QStringLiteral("Trimbol - ") + f.m_opcions->TitolJoc2());
    mostrarResultat(f.ui->LabelPreguntes->text() + QStringLiteral(" - ") +
                    f.ui->LabelCorrectes->text() + QStringLiteral(" - ") + temps + f.TextSegons);
    f.ui->LabelCompteEnrera->hide();
}
