#pragma once

#include <QList>
#include <QWidget>

#include <functional>

// A wide ring drawn around whichever of the watched controls has the
// keyboard focus, so that a learner working a window with Tab sees where the
// focus stands. On the keypad keys it lies just inside the key, clear of the
// scanning frame outside it; around the small controls of the options window
// (check boxes, radio buttons, arrows) it lies just outside, clear of their
// captions. It lets every press through.
class MarcFocus : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gruix = 4; // 3 dark blue pixels, then 1 white inside

    enum class Lloc { Dins, Fora };

    MarcFocus(QWidget *finestra, const QList<QWidget *> &controls, Lloc lloc = Lloc::Dins);

    // Controls that get no ring while `ometre` says so (a key that has the
    // focus because the scan frames it shows the scan's frame alone).
    void setOmetre(std::function<bool(QWidget *)> ometre) { this->ometre = std::move(ometre); }

private:
    void seguirFocus(QWidget *focus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QWidget *> controls;
    Lloc lloc;
    std::function<bool(QWidget *)> ometre;
};
