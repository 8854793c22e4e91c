#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

// Says a text to screen readers without moving the focus: the question, the
// verdict, the solution and the counters reach the learner this way. Screen
// readers read the control with the focus and skip the name changes of
// labels, but they read out a notification as soon as it shows; this widget
// is one, a pixel hidden under the window's panel, that shows with each text.
//
// The texts of one pass of the event loop are said together once it ends,
// when the focus has settled. If the focus has just come to a label (the
// question, as it holds the focus in the pause after an answer), the
// reader is about to read that label: it carries the text as its name then,
// and the text is said once. While the window is not the active one nothing
// is said: the learner is elsewhere, and the focus says the question on
// coming back.
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
    void dir();

    QStringList m_pendents;
    QPointer<QWidget> m_focusNou; // the focus came here since the last notice
};
