#include "AnalitzadorExpressio.h"
#include "Operacions.h"
#include "Real48.h"

#include <algorithm>
#include <cmath>

namespace calc
{
namespace
{

constexpr long double kLimitResultat = 1e19L;

// The table being reduced: groups shrink in place to single numbers.
class Reductor
{
public:
    Reductor(const TaulaTokens &taula, double x)
    {
        std::copy_n(taula.entrades.begin(), taula.mida, t_.entrades.begin());
        t_.mida = taula.mida;
        CarregarValors(x);
    }

    int Executar(double &valor)
    {
        std::size_t tanca = 0;
        while (TrobarTanca(tanca)) {
            std::size_t obre = tanca;
            while (obre > 0 && t_.entrades[obre - 1].codi != Codi::Obre)
                --obre;
            if (obre == 0)
                return kTaulaIncoherent;
            int error = ReduirGrup(obre - 1, tanca);
            if (error != kCalculCorrecte)
                return error;
        }
        if (t_.mida != 1 || t_[0].codi != Codi::Nombre)
            return kTaulaIncoherent;
        if (std::fabs(static_cast<long double>(t_[0].valor)) > kLimitResultat)
            return kDesbordament;
        valor = t_[0].valor;
        return kCalculCorrecte;
    }

private:
    // X takes the caller's value; Y, Z, U and V take 0.
    void CarregarValors(double x)
    {
        double xReal48 = 0;
        if (!ArrodonirReal48(x, xReal48))
            xReal48 = 0; // only a value beyond any six-byte real gets here
        for (std::size_t i = 0; i < t_.mida; ++i) {
            Entrada &e = t_.entrades[i];
            if (EsVariable(e.codi))
                e = Entrada{Codi::Nombre, e.codi == Codi::X ? xReal48 : 0.0};
        }
    }

    bool TrobarTanca(std::size_t &tanca) const
    {
        for (std::size_t i = 0; i < t_.mida; ++i) {
            if (t_[i].codi == Codi::Tanca) {
                tanca = i;
                return true;
            }
        }
        return false;
    }

    void Esborrar(std::size_t des_de, std::size_t quantes)
    {
        auto inici = t_.entrades.begin() + static_cast<std::ptrdiff_t>(des_de);
        std::copy(inici + static_cast<std::ptrdiff_t>(quantes),
                  t_.entrades.begin() + static_cast<std::ptrdiff_t>(t_.mida), inici);
        t_.mida -= quantes;
    }

    bool EsNombre(std::size_t i) const { return t_[i].codi == Codi::Nombre; }

    // One left-to-right pass over the group (obre, tanca) for the operators
    // `a` and `b`; `tanca` follows the group's closing parenthesis.
    int Passada(std::size_t obre, std::size_t &tanca, Codi a, Codi b)
    {
        std::size_t i = obre + 1;
        while (i < tanca) {
            Codi codi = t_[i].codi;
            if (codi != a && codi != b) {
                ++i;
                continue;
            }
            if (i == obre + 1 || i + 1 >= tanca || !EsNombre(i - 1) || !EsNombre(i + 1))
                return kTaulaIncoherent;
            int error = Guardar(Operar(codi, t_[i - 1].valor, t_[i + 1].valor, resultat_), i - 1);
            if (error != kCalculCorrecte)
                return error;
            Esborrar(i, 2);
            tanca -= 2;
        }
        return kCalculCorrecte;
    }

    // Stores the extended result of an operation as a six-byte real.
    int Guardar(int error, std::size_t i)
    {
        if (error != kCalculCorrecte)
            return error;
        if (!ArrodonirReal48(resultat_, t_.entrades[i].valor))
            return kDesbordament;
        return kCalculCorrecte;
    }

    int ReduirGrup(std::size_t obre, std::size_t tanca)
    {
        int error = Passada(obre, tanca, Codi::Potencia, Codi::Potencia);
        if (error == kCalculCorrecte)
            error = Passada(obre, tanca, Codi::Producte, Codi::Quocient);
        if (error == kCalculCorrecte)
            error = Passada(obre, tanca, Codi::Suma, Codi::Resta);
        if (error != kCalculCorrecte)
            return error;
        if (tanca != obre + 2 || !EsNombre(obre + 1))
            return kTaulaIncoherent;
        t_.entrades[obre] = t_[obre + 1];
        Esborrar(obre + 1, 2);
        if (obre > 0 && EsFuncio(t_[obre - 1].codi)) {
            error = Guardar(AplicarFuncio(t_[obre - 1].codi, t_[obre].valor, resultat_), obre - 1);
            if (error != kCalculCorrecte)
                return error;
            t_.entrades[obre - 1].codi = Codi::Nombre;
            Esborrar(obre, 1);
        }
        return kCalculCorrecte;
    }

    TaulaTokens t_;
    long double resultat_ = 0;
};

} // namespace

int CalcularExpressio(const TaulaTokens &taula, double x, double &valor)
{
    if (taula.mida > taula.entrades.size())
        return kTaulaIncoherent;
    return Reductor(taula, x).Executar(valor);
}

} // namespace calc
