#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;
class TFormPrincipal;

// The main window's keys beyond those each control takes by itself:
// - Return and keypad Enter press the focused key, as Space does (in the
//   answer box Enter still runs "D'acord"; while a scan runs the scanning
//   takes Enter first, as the right switch);
// - digits, "-" and Backspace typed anywhere in the window go to the answer;
// - F9 says the counters and, during a game, the time, to the screen reader
//   and, with "Llegir resultat" ticked, with the chosen voice.
class TeclatPrincipal : public QObject
{
    Q_OBJECT

public:
    static constexpr int TeclaComptadors = Qt::Key_F9;

    // `llegirResultat` says whether "Llegir resultat" is ticked.
    TeclatPrincipal(TFormPrincipal &finestra, std::function<bool()> llegirResultat);

    // What F9 says: "Preguntes: 3, Correctes: 2", and during a game the
    // countdown's name and value ("Temps: 57 segons").
    QString TextComptadors() const;
    void DirComptadors();

protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

private:
    bool premerTecla(QWidget *receptor, QKeyEvent *event);
    bool escriureResposta(QKeyEvent *event);

    TFormPrincipal &finestra;
    QLineEdit *resposta;
    std::function<bool()> llegirResultat;
};
