#include "AnalitzadorExpressio.h"

#include "Real48.h"
#include "Utf8.h"

#include <cstdint>
#include <optional>

namespace calc
{
namespace
{

bool EsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool EsSigne(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}
bool EsLletraVariable(char c)
{
    return c == 'X' || c == 'Y' || c == 'Z' || c == 'U' || c == 'V';
}
// The letters that begin the function names.
bool EsLletraFuncio(char c)
{
    return c == 'S' || c == 'C' || c == 'T' || c == 'A' || c == 'L';
}
bool Comenca(std::string_view text, std::size_t pos, std::string_view prefix)
{
    return text.substr(pos).starts_with(prefix);
}

// Upper case (letters of ASCII only) inside one pair of parentheses.
void Embolcallar(std::string_view text, std::string &sortida)
{
    sortida.clear();
    sortida += '(';
    for (char c : text)
        sortida += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    sortida += ')';
}

// First implied product, before the constants are spelt out: "2PI" becomes
// "2*PI", "2NE" becomes "2*NE".
void PrimeraMultiplicacioImplicita(std::string_view text, std::string &sortida)
{
    sortida.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        sortida += text[i];
        if (EsDigit(text[i]) && i + 1 < text.size() && (text[i + 1] == 'P' || text[i + 1] == 'N'))
            sortida += '*';
    }
}

struct Reescriptura {
    std::string_view de;
    std::string_view a;
};

// Rewrites of the text, tried in this order at every position.
constexpr std::array<Reescriptura, 10> kReescriptures{{
    {"EXP(", "ALN("},
    {"PI", "3.141593"},
    {"P", "3.141593"},
    {"NE", "2.718282"},
    {" ", ""},
    {"SEN(", "SIN("},
    {"ASE(", "ASI("},
    {"SEG(", "SIG("},
    {",", "."},
    {"'", "."},
}};

void Reescriure(std::string_view text, std::string &sortida)
{
    sortida.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const Reescriptura *trobada = nullptr;
        for (const Reescriptura &r : kReescriptures) {
            if (r.de[0] == text[i] && Comenca(text, i, r.de)) {
                trobada = &r;
                break;
            }
        }
        if (trobada) {
            sortida += trobada->a;
            i += trobada->de.size();
        } else {
            sortida += text[i++];
        }
    }
}

// Second implied product: "2(3)" becomes "2*(3)", "3SIN(" becomes "3*SIN(", "2X" becomes "2*X",
// "X(" becomes "X*(".
void SegonaMultiplicacioImplicita(std::string_view text, std::string &sortida)
{
    sortida.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        sortida += text[i];
        if (i + 1 == text.size())
            break;
        char c = text[i];
        char seguent = text[i + 1];
        bool davantDeGrup = seguent == '(' || EsLletraFuncio(seguent);
        if ((EsDigit(c) && (davantDeGrup || EsLletraVariable(seguent))) ||
            (EsLletraVariable(c) && davantDeGrup))
            sortida += '*';
    }
}

// One offence of the syntax scan: character `c` between `p` and `n`;
// `punts` counts the points of the number that `c` ends.
bool RefusatPerSintaxi(char p, char c, char n, int punts)
{
    bool pValor = EsDigit(p) || p == '.' || EsLletraVariable(p);
    if (EsSigne(p) && (EsSigne(c) || c == ')'))
        return true;
    if (p == '(' && (c == '*' || c == '/' || c == '^' || c == ')'))
        return true;
    if (EsLletraVariable(p) && (EsLletraVariable(c) || EsDigit(c) || c == '.'))
        return true;
    if (pValor && (EsLletraVariable(c) || c == '(' || EsLletraFuncio(c)))
        return true;
    if (p == ')' && (EsDigit(c) || c == '.' || EsLletraVariable(c) || EsLletraFuncio(c)))
        return true;
    return c == '.' && ((!EsDigit(p) && !EsDigit(n)) || p == '.' || punts > 1);
}

// The character scan, over the characters inside the wrapping parentheses;
// the first offence is the error.
int RevisarSintaxi(std::string_view text)
{
    int punts = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        char c = text[i];
        if (c == '.')
            ++punts;
        else if (!EsDigit(c))
            punts = 0;
        if (RefusatPerSintaxi(text[i - 1], c, text[i + 1], punts))
            return kErrorSintaxi;
    }
    return kAnalisiCorrecta;
}

struct NomFuncio {
    std::string_view nom; // with its "(", which stays in the text
    Codi codi;
};

// The order in which the names are tried.
constexpr std::array<NomFuncio, 17> kFuncions{{
    {"SIN(", Codi::SIN},
    {"SIG(", Codi::SIG},
    {"ASI(", Codi::ASI},
    {"ASG(", Codi::ASG},
    {"COS(", Codi::COS},
    {"COG(", Codi::COG},
    {"ACO(", Codi::ACO},
    {"ACG(", Codi::ACG},
    {"TAN(", Codi::TAN},
    {"TAG(", Codi::TAG},
    {"ATA(", Codi::ATA},
    {"ATG(", Codi::ATG},
    {"ABS(", Codi::ABS},
    {"LOG(", Codi::LOG},
    {"ALO(", Codi::ALO},
    {"ALN(", Codi::EXP},
    {"LN(", Codi::LNE},
}};

// A run of digits with at most one point, "5." and ".5" included.
std::optional<long double> ConvertirNombre(std::string_view xifres)
{
    std::uint64_t mantissa = 0; // 19 digits at most: below 2^64
    int decimals = 0;
    int xifresVistes = 0;
    bool punt = false;
    for (char c : xifres) {
        if (c == '.') {
            if (punt)
                return std::nullopt;
            punt = true;
            continue;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++xifresVistes;
        decimals += punt ? 1 : 0;
    }
    if (xifresVistes == 0 || xifres.size() >= 20)
        return std::nullopt;
    long double escala = 1;
    for (int i = 0; i < decimals; ++i)
        escala *= 10; // exact up to 10^27
    return static_cast<long double>(mantissa) / escala;
}

std::optional<Codi> CodiDelCaracter(char c)
{
    switch (c) {
    case '+':
        return Codi::Suma;
    case '-':
        return Codi::Resta;
    case '*':
        return Codi::Producte;
    case '/':
        return Codi::Quocient;
    case '^':
        return Codi::Potencia;
    case 'X':
        return Codi::X;
    case 'Y':
        return Codi::Y;
    case 'Z':
        return Codi::Z;
    case 'U':
        return Codi::U;
    case 'V':
        return Codi::V;
    default:
        return std::nullopt;
    }
}

class Tokenitzador
{
public:
    Tokenitzador(std::string_view text, TaulaTokens &taula) : text_(text), taula_(taula) {}

    // Left to right, keeping the parenthesis depth.
    int Executar()
    {
        while (pos_ < text_.size()) {
            int error = Seguent();
            if (error != kAnalisiCorrecta)
                return error;
        }
        return profunditat_ > 0 ? kParentesiSenseTancar : kAnalisiCorrecta;
    }

private:
    int Seguent()
    {
        char c = text_[pos_];
        if (c == '(' || c == ')')
            return Parentesi(c);
        if (EsDigit(c) || c == '.')
            return Nombre();
        if (EsLletraFuncio(c))
            return Funcio();
        if (auto codi = CodiDelCaracter(c)) {
            ++pos_;
            return Afegir(*codi);
        }
        return kCaracterNoValid;
    }

    int Parentesi(char c)
    {
        profunditat_ += c == '(' ? 1 : -1;
        bool darrer = pos_ + 1 == text_.size();
        if (profunditat_ < 0 || (profunditat_ == 0 && !darrer))
            return kParentesiSenseObrir;
        ++pos_;
        return Afegir(c == '(' ? Codi::Obre : Codi::Tanca);
    }

    int Nombre()
    {
        std::size_t fi = pos_;
        while (fi < text_.size() && (EsDigit(text_[fi]) || text_[fi] == '.'))
            ++fi;
        std::string_view xifres = text_.substr(pos_, fi - pos_);
        pos_ = fi;
        if (xifres.size() >= 20)
            return kNombreLlarg;
        auto valor = ConvertirNombre(xifres);
        double real48 = 0;
        if (!valor || !ArrodonirReal48(*valor, real48))
            return kNombreNoValid;
        return Afegir(Codi::Nombre, real48);
    }

    int Funcio()
    {
        for (const NomFuncio &f : kFuncions) {
            if (Comenca(text_, pos_, f.nom)) {
                pos_ += f.nom.size() - 1; // the "(" is read on its own
                return Afegir(f.codi);
            }
        }
        return kNomDesconegut;
    }

    int Afegir(Codi codi, double valor = 0.0)
    {
        // The table is sized for every accepted text; this only guards memory.
        return taula_.Afegir(codi, valor) ? kAnalisiCorrecta : kTaulaPlena;
    }

    std::string_view text_;
    TaulaTokens &taula_;
    std::size_t pos_ = 0;
    int profunditat_ = 0;
};

bool TancaOSigne(Codi c)
{
    return c == Codi::Tanca || c == Codi::Suma || c == Codi::Resta || c == Codi::Producte ||
           c == Codi::Quocient;
}

// The pass over the finished table: refuses the sequences that the character
// scan lets through, drops a "+" after "(" and turns a "-" after "(" into "-1 *".
int RevisarTaula(const TaulaTokens &entrada, TaulaTokens &sortida)
{
    sortida.mida = 0;
    for (std::size_t i = 0; i < entrada.mida; ++i) {
        Codi codi = entrada[i].codi;
        std::optional<Codi> anterior, seguent;
        if (i > 0)
            anterior = entrada[i - 1].codi;
        if (i + 1 < entrada.mida)
            seguent = entrada[i + 1].codi;

        if (EsOperador(codi) && seguent && TancaOSigne(*seguent))
            return kErrorSintaxi;
        if (codi == Codi::Obre &&
            ((seguent && (*seguent == Codi::Producte || *seguent == Codi::Quocient ||
                          *seguent == Codi::Tanca)) ||
             anterior == Codi::Tanca))
            return kErrorSintaxi;

        bool primerDelGrup = anterior == Codi::Obre;
        bool afegit = true;
        if (codi == Codi::Suma && primerDelGrup)
            continue;
        if (codi == Codi::Resta && primerDelGrup)
            afegit = sortida.Afegir(Codi::Nombre, -1.0) && sortida.Afegir(Codi::Producte);
        else
            afegit = sortida.Afegir(codi, entrada[i].valor);
        if (!afegit)
            return kTaulaPlena;
    }
    return kAnalisiCorrecta;
}

bool TeVariablesDeMesCuries(std::string_view text)
{
    for (char c : text) {
        char majuscula = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (majuscula != 'X' && EsLletraVariable(majuscula))
            return true;
    }
    return false;
}

// Checks, wraps and rewrites the text into what the tokeniser reads, in `text`.
// The checks come before any copy, so a huge text costs one pass.
int PrepararText(std::string_view original, int mode, std::string &text, std::string &treball)
{
    if (mode != kModeMultivariable && TeVariablesDeMesCuries(original))
        return kNomDesconegut;
    if (ComptarCaracters(original) + 2 > kLongitudMaxima)
        return kExpressioLlarga;
    // Room for the usual growth of the passes below; longer texts still grow.
    text.reserve(2 * original.size() + 16);
    treball.reserve(2 * original.size() + 16);
    Embolcallar(original, text);
    PrimeraMultiplicacioImplicita(text, treball);
    Reescriure(treball, text);
    SegonaMultiplicacioImplicita(text, treball);
    text.swap(treball);
    if (text == "()")
        return kExpressioBuida;
    if (ComptarCaracters(text) == 255)
        return kExpressioLlarga;
    return kAnalisiCorrecta;
}

} // namespace

std::string_view TextDelCodi(Codi codi)
{
    static constexpr std::array<std::string_view, 30> kTextos{
        "",    "(",   ")",   "+",   "-",   "*",   "/",   "^",   "X",   "Y",
        "Z",   "U",   "V",   "SIN", "SIG", "ASI", "ASG", "COS", "COG", "ACO",
        "ACG", "TAN", "TAG", "ATA", "ATG", "ABS", "LOG", "ALO", "EXP", "LNE",
    };
    auto i = static_cast<std::size_t>(codi);
    return i < kTextos.size() ? kTextos[i] : std::string_view{};
}

bool EsOperador(Codi codi)
{
    return codi >= Codi::Suma && codi <= Codi::Potencia;
}
bool EsVariable(Codi codi)
{
    return codi >= Codi::X && codi <= Codi::V;
}
bool EsFuncio(Codi codi)
{
    return codi >= Codi::SIN && codi <= Codi::LNE;
}

bool TaulaTokens::Afegir(Codi codi, double valor)
{
    if (mida == entrades.size())
        return false;
    entrades[mida++] = Entrada{codi, valor};
    return true;
}

int AnalitzarExpressio(std::string_view text, int mode, TaulaTokens &taula)
{
    taula.mida = 0;
    std::string preparat;
    std::string treball;
    int error = PrepararText(text, mode, preparat, treball);
    if (error == kAnalisiCorrecta)
        error = RevisarSintaxi(preparat);
    if (error != kAnalisiCorrecta)
        return error;

    TaulaTokens llegida;
    error = Tokenitzador(preparat, llegida).Executar();
    if (error == kAnalisiCorrecta)
        error = RevisarTaula(llegida, taula);
    if (error != kAnalisiCorrecta)
        taula.mida = 0;
    return error;
}

} // namespace calc
