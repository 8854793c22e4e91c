#pragma once

#include <QWidget>

// A thick black-and-yellow frame drawn around the key under the scan, so that
// a learner with low vision sees where the pointer stands. It lies just
// outside the key, leaving the caption uncovered, and lets every mouse press
// through to the widgets below.
class MarcEscaneig : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gruix = 6; // thickness in pixels: 3 black outside, 3 yellow inside

    explicit MarcEscaneig(QWidget *finestra);

    // Places the frame around `tecla`, a descendant of the window, and shows it.
    void Envoltar(const QWidget *tecla);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
