#pragma once

#include <QList>
#include <QWidget>

// A wide ring drawn just inside whichever of the watched controls has the
// keyboard focus, so that a learner working the keypad with Tab sees where
// the focus stands. It leaves the caption uncovered, lets every press through
// and keeps clear of the scanning frame, which lies outside the key.
class MarcFocus : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gruix = 4; // 3 dark blue pixels, then 1 white inside

    MarcFocus(QWidget *finestra, const QList<QWidget *> &controls);

private:
    void seguirFocus(QWidget *focus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QWidget *> controls;
};
