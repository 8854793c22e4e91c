#pragma once

#include "EstilMarc.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class MarcEscaneig;

// Scanning inside the program's own modal windows that ask for it (the
// options window and the "Accés" window): while a scan runs and such a
// window is open, the scan frames its buttons one after another in Tab
// order instead of the keypad's keys, and the left switch presses the framed
// one. So a learner's switches reach the access settings too.
class EscaneigDialeg
{
public:
    using Avis = std::function<void(QWidget *)>;

    // `enmarcat` hears of every control framed.
    explicit EscaneigDialeg(Avis enmarcat) : m_avis(std::move(enmarcat)) {}

    // The open modal window that is scanned, or nullptr.
    static QWidget *Dialeg();
    // Whether a press on `control` of a scanned window is the teacher's own
    // click on a control (a button, the voice list, a link) rather than a
    // switch press on the window's background or a plain label.
    static bool EsControl(const QWidget *control);

    void Seguent();
    void Activar();
    // The control inside the frame, or nullptr.
    QWidget *Enmarcat() const;
    void Amagar();
    // A window of the program has been hidden: its frame goes with it.
    void Amagada(const QWidget *finestra);
    void setEstil(const EstilMarc &estil);

private:
    static bool objectiu(const QWidget *control, const QWidget *dialeg);
    static QWidget *seguentObjectiu(QWidget *des, const QWidget *dialeg);
    MarcEscaneig *marc(QWidget *dialeg);

    Avis m_avis;
    EstilMarc m_estil = EstilMarc::de(0, 0);
    QPointer<QWidget> m_enmarcat;
    QPointer<MarcEscaneig> m_marc;
};
