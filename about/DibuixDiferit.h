#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;

// Draws a picture into its label the first time the label is shown, so that
// start-up draws only the pictures that the splash shows; the rest are drawn
// when the picture cycle first reaches them.
class DibuixDiferit : public QObject
{
public:
    using Dibuix = QPixmap (*)(QSize);

    static void Installar(QLabel *imatge, Dibuix dibuix);

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    DibuixDiferit(QLabel *imatge, Dibuix dibuix);

    QLabel *m_imatge;
    Dibuix m_dibuix;
};
