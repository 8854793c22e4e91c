#pragma once

// The three steps behind AvaluarExpressio, open to tests and tools:
// AnalitzarExpressio turns a text into a token table, CalcularExpressio
// reduces the table to a value and FormatarResultat writes the value.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc
{

// Longest wrapped text ("(" + text + ")") that the analysis accepts, in characters.
inline constexpr std::size_t kLongitudMaxima = 202;
// The mode that allows the variables Y, Z, U and V besides X.
inline constexpr int kModeMultivariable = 102;

// Analysis errors (reported as "ERROR D'ANÀLISIS").
enum ErrorAnalisi : int {
    kAnalisiCorrecta = 0,
    kParentesiSenseObrir = 1, // ")" without its "(", or the outer group closed early
    kNomDesconegut = 2,       // a forbidden variable, or a name not among the functions
    kCaracterNoValid = 3,
    kParentesiSenseTancar = 4,
    kErrorSintaxi = 5,
    kExpressioBuida = 7,
    kExpressioLlarga = 8,
    kNombreLlarg = 9, // a number of 20 characters or more
    kNombreNoValid = 10,
    // The token table is full. Never happens: it has room for every text that
    // passes the length checks; the code only keeps memory safe.
    kTaulaPlena = 11,
};

// Computation errors (reported as "ERROR DE CÀLCUL").
enum ErrorCalcul : int {
    kCalculCorrecte = 0,
    kDivisioPerZero = 1,
    kForaDelDomini = 2,
    kLogaritmeNoPositiu = 3,
    kDesbordament = 4,
    // A table that does not alternate values and operators inside its groups.
    // AnalitzarExpressio never builds one; other callers of CalcularExpressio might.
    kTaulaIncoherent = 99,
};

// Operator codes of the token table. A number is `Nombre` with its value.
enum class Codi : std::uint8_t {
    Nombre,
    Obre,
    Tanca,
    Suma,
    Resta,
    Producte,
    Quocient,
    Potencia,
    X,
    Y,
    Z,
    U,
    V,
    SIN, // sine, radians
    SIG, // sine, degrees
    ASI,
    ASG,
    COS,
    COG,
    ACO,
    ACG,
    TAN,
    TAG,
    ATA,
    ATG,
    ABS,
    LOG,
    ALO,
    EXP,
    LNE,
};

// The code as the table shows it: "(", "^", "X", "SIN"; "" for a number.
std::string_view TextDelCodi(Codi codi);
bool EsOperador(Codi codi);
bool EsVariable(Codi codi);
bool EsFuncio(Codi codi);

struct Entrada {
    Codi codi;
    double valor; // a six-byte real; meaningful for numbers only
};

// Each character of an accepted text gives at most two entries (a digit or a
// variable and the "*" implied after it; a "-" after "(" and its "-1 *"), so
// twice the longest text always fits.
inline constexpr std::size_t kCapacitatTaula = 2 * kLongitudMaxima + 2;

struct TaulaTokens {
    std::array<Entrada, kCapacitatTaula> entrades;
    std::size_t mida = 0;

    bool Afegir(Codi codi, double valor = 0.0);
    const Entrada &operator[](std::size_t i) const { return entrades[i]; }
};

// Reads `text` into `taula`, which it empties first. Returns an ErrorAnalisi.
int AnalitzarExpressio(std::string_view text, int mode, TaulaTokens &taula);

// Reduces the table to one value, with `x` for the variable X. Returns an
// ErrorCalcul; `valor` is set only on success.
int CalcularExpressio(const TaulaTokens &taula, double x, double &valor);

// Writes a value as the drill shows it: "12", "-3", "2,5", "0,333333".
std::string FormatarResultat(double valor);

} // namespace calc
