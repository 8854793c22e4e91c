#pragma once

#include <QString>

#include <span>

// The interface's texts in Catalan and Spanish, side by side, so that a
// translator or reviewer sees both languages of every caption in one place.
enum class Llengua { Catala, Castella };

// A control's caption in each language, found by the control's objectName.
struct TextControl {
    const char *control;
    const char *catala;
    const char *castella;

    QString en(Llengua llengua) const
    {
        return QString::fromUtf8(llengua == Llengua::Catala ? catala : castella);
    }
};

// Texts that the program composes into messages and labels.
struct TextsComuns {
    QString TextPreguntes;
    QString TextCorrectes;
    QString TextBe;
    QString TextNoCorrecte;
    QString TextPreparats;
    QString TextSegons;
};

namespace Textos {
// Menu items and buttons of the main window (the hide-question box and the
// window title are set in steps of their own).
std::span<const TextControl> principal();
// Controls of the options window.
std::span<const TextControl> opcions();

QString titolPrincipal(Llengua llengua);
QString titolOpcions(Llengua llengua);
QString checkBoxNoVeure(Llengua llengua);
TextsComuns comuns(Llengua llengua);
} // namespace Textos

// ---------------------------------------------------------------------------
// What a screen reader says for a control: its accessible name, where the
// caption is missing or is not a word (a picture, "-", an arrow), and a
// description where the caption alone does not say what the control does.
// An empty text leaves that part as Qt gives it (a button's caption, a
// label's text). `control` is an objectName; "Pare/Fill" names a child of
// the control called "Pare", for children whose names repeat.
struct TextAccessible {
    const char *control;
    const char *nomCatala;
    const char *nomCastella;
    const char *descripcioCatala;
    const char *descripcioCastella;

    QString nom(Llengua llengua) const
    {
        return QString::fromUtf8(llengua == Llengua::Catala ? nomCatala : nomCastella);
    }
    QString descripcio(Llengua llengua) const
    {
        return QString::fromUtf8(llengua == Llengua::Catala ? descripcioCatala
                                                            : descripcioCastella);
    }
};

namespace Textos {
std::span<const TextAccessible> accessiblesPrincipal();
std::span<const TextAccessible> accessiblesOpcions();
std::span<const TextAccessible> accessiblesAbout();
} // namespace Textos

// Keyboard and switch access: the texts of the controls and hints that serve
// learners who work the program by keys or switches.
namespace Textos {
// Controls of the options window that belong to switch access.
std::span<const TextControl> opcionsCommutadors();
// Hint of the main window's picture button, which F10 works too.
QString consellOpcions(Llengua llengua);
// Hint of the counters: the key that says them.
QString consellComptadors(Llengua llengua);
} // namespace Textos

// The help window: its buttons, what a screen reader calls its page, its
// title and the line that says a web address found no browser.
namespace Textos {
std::span<const TextControl> ajuda();
std::span<const TextAccessible> accessiblesAjuda();
// "<page title> - Ajuda de Trimbol 2"
QString titolAjuda(Llengua llengua, const QString &titolPagina);
QString senseNavegador(Llengua llengua, const QString &adreca);
QString paginaNoTrobada(Llengua llengua, const QString &cami);
} // namespace Textos
