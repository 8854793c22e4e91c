#pragma once

#include <QObject>

#include <array>

class FitxerConfiguracio;

// How a learner's switches are read and how the scan moves: the settings of
// the "Accés" window. Each one lives in the settings file under its own key
// of section "Accessibilitat", is read once when the object is made and is
// written at once when it changes. A stored value out of range or not a
// whole number reads as the default; the defaults give the program's plain
// scanning, with no filter, no dwell and the yellow-and-black frame.
class ConfiguracioAcces : public QObject
{
    Q_OBJECT

public:
    enum Ajust {
        Acceptacio,   // tenths of a second a press is held before it counts, 0-20
        Repeticions,  // tenths of a second after an accepted press that drop presses, 0-20
        PrimeraTecla, // tenths of a second of extra rest on the first key, 0-20
        Voltes,       // rounds without a press before automatic scanning stops, 0 (never)-10
        AcabarTecla,  // the frame waits for the key's word: 0 or 1 ("NO"/"SI")
        ColorMarc,    // frame colours, 0-2 (see EstilMarc)
        GruixMarc,    // frame width, 0-2 (see EstilMarc)
        Permanencia,  // tenths of a second of dwell that press a key: 0 (off) or 5-30
        NombreAjusts
    };

    // Where each setting is stored and what it may hold.
    struct Descripcio {
        const char *clau;
        int minim;
        int maxim;
        int perDefecte;
    };
    static const Descripcio &descripcio(Ajust ajust);
    static bool valid(Ajust ajust, int valor);

    // Reads every setting from `fitxer`, which must outlive this object.
    explicit ConfiguracioAcces(FitxerConfiguracio &fitxer, QObject *parent = nullptr);
    // The defaults, stored nowhere: for parts of the program used without a file.
    explicit ConfiguracioAcces(QObject *parent = nullptr);

    int valor(Ajust ajust) const { return m_valors[ajust]; }
    // Sets and writes a valid value; an invalid one changes nothing. A write
    // the system refuses throws ErrorEscriptura after the value has changed.
    void canviar(Ajust ajust, int valor);
    // One step up (+1) or down (-1) within the range; dwell steps from off
    // straight to its shortest time and back.
    void pas(Ajust ajust, int sentit);

    // The timings in program milliseconds.
    int acceptacioMs() const { return m_valors[Acceptacio] * 100; }
    int repeticionsMs() const { return m_valors[Repeticions] * 100; }
    int primeraTeclaMs() const { return m_valors[PrimeraTecla] * 100; }
    int permanenciaMs() const { return m_valors[Permanencia] * 100; }
    int voltes() const { return m_valors[Voltes]; }
    bool acabarTecla() const { return m_valors[AcabarTecla] != 0; }

signals:
    void Canviat(ConfiguracioAcces::Ajust ajust);

private:
    static int llegir(const FitxerConfiguracio &fitxer, Ajust ajust);

    FitxerConfiguracio *m_fitxer = nullptr;
    std::array<int, NombreAjusts> m_valors{};
};
