#pragma once

#include "Textos.h"

#include <QDialog>
#include <QUrl>

#include <memory>

class NavegadorWeb;

namespace Ui
{
class TFormAjuda;
}

// The help window: shows the program's own HTML pages in large type, with
// their links between pages and between the two languages, by keyboard
// (Tab goes from link to link, Enter follows one, Alt+Left goes back, Escape
// closes) and to screen readers. Only addresses on the web go to the
// desktop's browser (NavegadorWeb); when none can be started, a line at the
// foot of the window says so. Its buttons speak the language of the page on
// show.
class TFormAjuda : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAjuda(QWidget *parent = nullptr);
    ~TFormAjuda() override;

    // Shows `pagina` in the help window of `finestra`, created at the first
    // call as its child and kept for the next. The help window is modal to
    // `finestra` alone, and `finestra` takes input again once it is closed.
    static TFormAjuda *Obrir(QWidget *finestra, const QUrl &pagina);

    void MostrarPagina(const QUrl &pagina);
    QUrl Pagina() const;
    Llengua LlenguaPagina() const;

    // Handlers.
    void TextBrowserAjudaAnchorClicked(const QUrl &adreca);
    void BitBtnEnrereClick();
    void BitBtnIniciClick();
    void BitBtnTancarClick();

    const std::unique_ptr<Ui::TFormAjuda> ui;

private:
    void NavegadorFallat(const QUrl &adreca);
    void posarFonts();
    void AplicarLlengua();
    void Avisar(const QString &text);

    NavegadorWeb *const m_navegador;
};
