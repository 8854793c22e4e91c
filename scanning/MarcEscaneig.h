#pragma once

#include "EstilMarc.h"

#include <QPointer>
#include <QWidget>

// A thick two-band frame drawn around the control under the scan, so that a
// learner with low vision sees where the scan stands: black and yellow
// unless the access settings choose other colours or a wider frame. It lies
// just outside the control, leaving the caption uncovered, and lets every
// mouse press through to the widgets below.
class MarcEscaneig : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gruix = 6; // the usual thickness: 3 dark pixels outside, 3 bright inside

    explicit MarcEscaneig(QWidget *finestra);

    // Places the frame around `tecla`, a descendant of the window, and shows it.
    void Envoltar(const QWidget *tecla);
    void setEstil(const EstilMarc &estil);
    const EstilMarc &Estil() const { return m_estil; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    EstilMarc m_estil;
    QPointer<const QWidget> m_tecla;
};
