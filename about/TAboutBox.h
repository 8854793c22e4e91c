#pragma once

#include "Textos.h"

#include <QDialog>
#include <QUrl>

#include <memory>

class QLabel;
class QTimer;

namespace Ui
{
class TAboutBox;
}

// The credits window: name and version, a credit line, a motto, a cycle of
// four pictures in the lower panel and, on request, a panel of quotations.
// It is created once and keeps its state (the picture shown last, the
// quotations, the clown in place of the panels) between showings.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    // The picture cycle: runs every 3500 ms while the window is shown.
    QTimer *Timer1;

    // Start-up splash: shows the window without its button row for `ms`
    // milliseconds, with the pictures standing still, then hides it again.
    // The splash is no window the learner works in: it takes no focus and a
    // screen reader does not present it as a dialog.
    void MostrarSplash(int ms);
    bool EsSplash() const { return m_splash; }

    // The pages the window opens in the help window: the makers' page and
    // an article on the project family, in the interface language.
    QUrl adrecaAutors() const;
    QUrl adrecaVorelk() const;
    // The interface language, which the window's own texts do not follow
    // but its pages do.
    void setLlengua(Llengua llengua);

    static constexpr int IntervalCicle = 3500;

public slots:
    void Timer1Timer();

    void FormClick();
    void Panel1Click();
    void Panel2Click();
    void VersionClick();
    void ImagePersonatgeClick();
    void ProductNameClick();
    void CreditsClick();
    void CommentsClick();
    void ImageVorelkClick();
    void ImageSegonaClick();
    void ImageInteligenciaClick();
    void ImageDedicatoriaClick();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    void FormCreate();
    void posarFonts();
    void posarDibuixos();
    void connectarClics();
    void avancarCicle(QLabel *mostrada);
    void mostrarPanells(bool mostrar);
    void centrar();

    std::unique_ptr<Ui::TAboutBox> ui;
    Llengua m_llengua = Llengua::Catala;
    bool m_splash = false;
};
