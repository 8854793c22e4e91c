#pragma once

#include <QWidget>

// The ring that fills over a key while the pointer rests on it, so that a
// learner with a head pointer or eye gaze sees the dwell coming. It lets
// every mouse press through.
class AnellPermanencia : public QWidget
{
    Q_OBJECT

public:
    explicit AnellPermanencia(QWidget *finestra);

    // Puts the ring over the centre of `tecla` with `fraccio` (0 to 1) filled.
    void Mostrar(const QWidget *tecla, double fraccio);
    double Fraccio() const { return m_fraccio; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_fraccio = 0;
};
