#pragma once

#include <QString>

// What the options window needs of the main window. The main window
// implements it; the options window holds a reference, so the two libraries
// do not depend on each other in a circle.
class FinestraPrincipal
{
public:
    virtual void MostrarButtonMenys(bool visible) = 0;
    virtual void ReiniciarSessio(const QString &titol) = 0;
    virtual void setPausaResposta(int ms) = 0;
    virtual void MenuParlantDeClick() = 0;
    virtual void MenuCopiarALaCarpetaClick() = 0;
    virtual void MenuCatalaClick() = 0;
    virtual void MenuCastellaClick() = 0;
    // Opens the report of the learner's history.
    virtual void MenuInformeClick() = 0;

protected:
    ~FinestraPrincipal() = default;
};
