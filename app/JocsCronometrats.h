#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QTimer;
class TFormPrincipal;

// The two timed games of the main window: "Operacions 60''" counts down 60
// seconds, "Contrarrellotge 32" times the race to 32 correct answers. Their
// state is the main window's: a game runs exactly while its timer is
// enabled, and the big red number is the window's LabelCompteEnrera.
class JocsCronometrats
{
public:
    explicit JocsCronometrats(TFormPrincipal &finestra) : f(finestra) {}

    void Aturar();
    void IniciarJoc1();
    void IniciarJoc2();
    void TickJoc1();
    void TickJoc2();
    // Ends the race when its 32nd correct answer has just been counted.
    void ComprovarFinal();
    // Told the race's time in ms as soon as it ends, before the result shows.
    void setCursaAcabada(std::function<void(std::uint32_t)> avis) { m_cursaAcabada = std::move(avis); }
    bool EnCurs() const;

    // The time text of a race: tenths of `ms` rounded half to even, one
    // decimal with the locale's separator unless it is a whole number.
    static QString TextTemps(std::uint32_t ms);

private:
    void iniciar(QTimer &temporitzador, const QString &textInicial, const QString &titol);
    void mostrarResultat(const QString &informacio);
    void posarCompte(const QString &text);

    TFormPrincipal &f;
    std::function<void(std::uint32_t)> m_cursaAcabada;
};
