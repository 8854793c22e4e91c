#pragma once

#include <QWidget>

class QAccessibleEvent;
class QLabel;

// Says a text to screen readers without moving the focus: the question, the
// verdict and the solution reach the learner this way. Screen readers skip
// the name changes of labels, and read only the control with the focus, but
// they read out a notification as soon as it shows; this widget is one, a
// pixel hidden under the window's panel, that shows again with each text.
// While the focus waits on a label (the question, in the pause after an
// answer), the label itself says the text, once.
class AvisAccessible : public QWidget
{
    Q_OBJECT

public:
    explicit AvisAccessible(QWidget *finestra);

    void Anunciar(const QString &text);

    // Test seam: sees every notice, even where no screen reader listens (Qt
    // then sends nothing, as on the offscreen platform).
    using Observador = void (*)(const QString &text);
    static void setObservador(Observador observador);

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    void Portaveu(QLabel *etiqueta, const QString &text);
};
