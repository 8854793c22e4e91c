#pragma once

#include "TAboutBox.h"
#include "TFormJocs.h"
#include "TFormPrincipal.h"
#include "TFormTTS.h"

#include <QString>

// The program's four windows, created once in this order and alive until the
// program ends, and the start-up sequence that brings them up.
class Arrencada
{
public:
    explicit Arrencada(const QString &camiConfiguracio);

    // Shows the main window with the splash, restores the stored choices,
    // selects the multiplication tables and queues the first visit to the
    // options window, which runs as soon as the message loop starts.
    void Iniciar(int duradaSplash = 1000);

    TFormPrincipal FormPrincipal;
    TAboutBox AboutBox;
    TFormJocs FormJocs;
    TFormTTS FormTTS;

private:
    void RestaurarOpcions();
};
