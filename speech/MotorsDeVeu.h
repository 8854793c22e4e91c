#pragma once

#include "FitxerConfiguracio.h"
#include "LectorExtern.h"
#include "ObjecteVeu.h"
#include "UPCTVFuncions.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

// The speech engines behind the options window's voice list: the two voice
// objects, the engine library and what is stored about the choice. The
// window fills its list from LlistarVeus() and PrepararUPCTV(), and calls the
// handlers below with the list's selected position (-1 for none).
//
// Settings writes that fail throw ErrorEscriptura out of these calls; every
// other failure of an engine ends silently.
class MotorsDeVeu : public QObject
{
    Q_OBJECT

public:
    enum class Grup { MSP, SAPI, UPCTV };

    // Which row to select after restoring the stored choice (-1: none) and
    // whether to apply it then. `perduda`: the stored voice is not in the
    // list this time (no service, a voice removed), and another stands in.
    // `automatica`: the program chose the entry, for the learner's language.
    struct Restauracio {
        int fila;
        bool aplicar;
        bool perduda = false;
        bool automatica = false;
    };

    static inline const QString kTitolFinestraUPCTV =
        QStringLiteral("upcTV 1.0 - Lector de text en català i castellà");
    static inline const QString kTitolLector = QStringLiteral("Quelvox - Projecte Vorelk 2005");
    static inline const QString kFitxerWav = QStringLiteral("ParlarTTS.wav");

    explicit MotorsDeVeu(FitxerConfiguracio &configuracio, QObject *parent = nullptr);
    ~MotorsDeVeu() override;

    // Creation, step 4: makes both voice objects and answers the list
    // entries of their voices, MSP ones first, then "SAPI - " ones.
    QStringList LlistarVeus();
    // Steps 6 and 7: starts the dismissal timer, loads the engine library
    // and answers its four entries (none when it did not load).
    QStringList PrepararUPCTV();
    static QStringList EntradesUPCTV();
    // Step 8: the rule for the stored "Numero sintetitzador" text.
    static Restauracio RestaurarEleccio(const QString &emmagatzemat, int nombreEntrades);
    // The stored choice: the entry of text `nom` when there is one, else the
    // stored place (a file of an older copy keeps only that). With nothing
    // stored, or a voice no longer listed, the first voice of `llengua`.
    Restauracio Restaurar(const QString &nom, const QString &numero,
                          QLocale::Language llengua) const;

    // The text of entry p, empty outside the list.
    QString Entrada(int p) const { return m_entrades.value(p); }
    // The language entry p speaks; AnyLanguage when it is not known.
    QLocale::Language LlenguaDe(int p) const;
    // The first entry that speaks `llengua`: a voice of the desktop's
    // service or engine, else the engine library's female voice; -1 none.
    int PrimeraVeuDe(QLocale::Language llengua) const;

    int NombreEntrades() const;
    bool HiHaEntrades() const { return NombreEntrades() > 0; }
    Grup GrupDe(int p) const;
    // "Tipus de sintetitzador" written at closing: "MSP", "SAPI", "UPCTV", or
    // empty when nothing is to be written.
    QString TipusSintetitzador(int p) const;

    // Applies entry p. `escriure` false: the program chose it (the first
    // voice of the learner's language), and the keys wait for the closing.
    void ListBoxMotorsDeVeuClick(int p, bool escriure = true);
    void Parlar(int p, const QString &text);
    void Callar(int p);
    // Says a short text at once, cutting off whatever is being said, and
    // returns without waiting: the key captions of auditory scanning.
    void Anunciar(int p, const QString &text);
    // Whether the engine of position p is still saying something.
    bool Parlant(int p) const;
    void ButtonWavClick(int p, const QString &text);
    void TimerTreureFinestraUPCTVTimer();
    // Starts the dismissal timer on systems whose engine may open a window;
    // a start while it runs only resets the count.
    void IniciarTreureFinestra();

    bool CarregarUPCTV() { return m_upctv.CarregarUPCTV(); }
    void AlliberarUPCTV() { m_upctv.AlliberarUPCTV(); }
    UPCTVFuncions &UPCTV() { return m_upctv; }

    // Test seams.
    void setLectorExtern(std::unique_ptr<LectorExtern> lector);
    void setCamiFamilia(const QString &cami) { m_familia = FitxerConfiguracio(cami); }

    // The running system's major version, as the speech code judges it: 6 or
    // more means the engine library may open a window to dismiss.
    static int VersioPrincipalSistema();

    std::unique_ptr<ObjecteVeu> VeuMSP;
    std::unique_ptr<ObjecteVeu> VeuSAPI;
    int NumVeusMSP = 0;
    int NumVeusSAPI = 0;
    bool MSPDisponible = true;
    bool SAPIDisponible = true;
    bool UPCTVCarregat = false;
    int VeuUPCTVActual = -1;
    int VersioPrincipalWindows;
    int ComptadorTreureFinestra = 0;
    QTimer *TimerTreureFinestraUPCTV;

private:
    void Llistar(const QString &classe, const QString &prefix, std::unique_ptr<ObjecteVeu> &objecte,
                 int &nombre, bool &disponible);
    // Says a text with the engine of position p; `tallar` cuts off what is
    // being said instead of queueing behind it.
    void Dir(int p, const QString &text, bool tallar);
    void AplicarVeu(ObjecteVeu *objecte, int lloc);
    void AplicarUPCTV(int entrada);
    void EscriureTipus(const QString &tipus, const int *lloc);
    ObjecteVeu *ObjecteDelGrup(Grup grup) const;
    void ContactarLector();

    FitxerConfiguracio &m_configuracio;
    FitxerConfiguracio m_familia;
    UPCTVFuncions m_upctv;
    std::unique_ptr<LectorExtern> m_lector;
    // The list's entries and the language of each voice of the two objects.
    QStringList m_entrades;
    QList<QLocale::Language> m_llengues;
};
