// Nanoseconds per AvaluarExpressio call: the drill's questions, as the drill
// hands them over (multiplication signs already "*"), and long general texts.

#include "UnitCalcDll32.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{

std::string Repetir(const std::string &s, int vegades)
{
    std::string r;
    for (int i = 0; i < vegades; ++i)
        r += s;
    return r;
}

const std::vector<std::string> kPreguntes = {
    "7 * 8",           "13 - 6",     "42 / 6",        "(-3) + (+5)",     "0 - (-7)",
    "(+4) * 9 * (-2)", "(-73) + 58", "(-45) * (+99)", "(-2) - 5 + (+8)",
};

const std::vector<std::string> kLlargues = {
    // Every operation, both constants, implied products and functions: 145 characters.
    "2PI*SIN(0.5)+COG(60)/(1+ABS(-3.25))-LOG(1000)*ALO(0.5)^2+LN(NE)*3(4-1)/7"
    "+ATG(1)-ACG(-0.5)+(2^3^2)/(16*4)-EXP(1)*(-(2.5))+TAG(45)*(1,5+2'5)-ABS(2)",
    // Deep nesting: 267 token-table entries.
    Repetir("(-", 66) + "1" + Repetir(")", 66),
    // A long sum of drill-sized numbers.
    Repetir("(-7) + 8 - ", 18) + "5",
    // A powers chain with a negative base.
    "(-8)^(1/3)+(-32)^0.2-2^0.5*3^(-2)+1.01^200-(0.5)^(1/7)",
    // Refused at the length check: error text of 255 characters.
    Repetir("9+", 150),
};

void BM_PreguntaDelJoc(benchmark::State &state)
{
    const std::string &text = kPreguntes[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(AvaluarExpressio(text));
}
BENCHMARK(BM_PreguntaDelJoc)->DenseRange(0, static_cast<int>(kPreguntes.size()) - 1);

void BM_ExpressioLlarga(benchmark::State &state)
{
    const std::string &text = kLlargues[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(text.substr(0, 24) + (text.size() > 24 ? "..." : ""));
    for (auto _ : state)
        benchmark::DoNotOptimize(AvaluarExpressio(text));
}
BENCHMARK(BM_ExpressioLlarga)->DenseRange(0, static_cast<int>(kLlargues.size()) - 1);

} // namespace

BENCHMARK_MAIN();
