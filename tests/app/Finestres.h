#pragma once

#include "Fonts.h"
#include "Rellotge.h"
#include "TFormJocs.h"
#include "TFormPrincipal.h"
#include "TFormTTS.h"
#include "TFormTTSUi.h"
#include "ui_TFormJocs.h"
#include "ui_TFormPrincipal.h"

#include <QDialog>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

// Clicks an entry of the options window's voice list where a learner would:
// on its row. The window must be showing.
inline void ClicarEntrada(QListWidget *llista, const QString &text)
{
    const auto files = llista->findItems(text, Qt::MatchExactly);
    QCOMPARE(files.size(), 1);
    llista->scrollToItem(files.first());
    QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                      llista->visualItemRect(files.first()).center());
}

// The main window with its game window and options window, as start-up
// wires them, on a settings file in a temporary folder. Pauses run a
// thousand times faster.
struct Finestres {
    QTemporaryDir carpeta;
    TFormPrincipal principal;
    QDialog about;
    TFormJocs jocs;
    TFormTTS opcions;

    explicit Finestres(Llengua llengua = Llengua::Catala)
        : opcions(principal, carpeta.filePath(QStringLiteral("trimbol.ini")), true)
    {
        RegistrarFonts();
        Rellotge::setAcceleracio(1000);
        principal.setFinestres(&about, &jocs, &opcions);
        if (llengua == Llengua::Catala)
            principal.MenuCatalaClick();
        else
            principal.MenuCastellaClick();
        opcions.RadioButtonTM1XClick();
        principal.BuidarRegistre();
    }
    ~Finestres() { Rellotge::setAcceleracio(1); }

    Ui::TFormPrincipal &ui() { return *principal.ui; }
    QStringList registre() const
    {
        return principal.ui->MemoCarpeta->toPlainText().split(QLatin1Char('\n'));
    }
    void pregunta(const QString &text) { principal.ui->LabelOperacio->setText(text); }
    void respondre(const QString &text)
    {
        principal.ui->EditResultat->setText(text);
        principal.BitBtnDAcordClick();
    }
};
