// Cost of the record of work as it grows: appending header blocks (three
// lines each, the real path of a practice run's restart) and copying the
// whole record to the clipboard.
#include "Rellotge.h"
#include "TFormJocs.h"
#include "TFormPrincipal.h"
#include "TFormTTS.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Finestres {
    QTemporaryDir carpeta;
    TFormPrincipal principal;
    QDialog about;
    TFormJocs jocs;
    TFormTTS opcions{principal, carpeta.filePath(QStringLiteral("trimbol.ini")), true};
    Finestres()
    {
        principal.setFinestres(&about, &jocs, &opcions);
        principal.MenuCatalaClick();
        principal.BuidarRegistre();
    }
};

// Time per line while the record grows to range(0) lines: a constant cost
// per line shows as the same figure for 10 000 and 100 000 lines.
void AfegirLinies(benchmark::State &estat)
{
    const int linies = static_cast<int>(estat.range(0));
    for (auto _ : estat) {
        estat.PauseTiming();
        auto f = std::make_unique<Finestres>();
        estat.ResumeTiming();
        for (int i = 0; i < linies; i += 3)
            f->principal.ReiniciarSessio(QStringLiteral("Taules de multiplicar. 1 xifra"));
        estat.PauseTiming();
        f.reset();
        estat.ResumeTiming();
    }
    estat.SetItemsProcessed(estat.iterations() * linies);
}
BENCHMARK(AfegirLinies)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One copy of a record of range(0) lines.
void Copiar(benchmark::State &estat)
{
    Finestres f;
    for (int i = 0; i < estat.range(0); i += 3)
        f.principal.ReiniciarSessio(QStringLiteral("Taules de multiplicar. 1 xifra"));
    for (auto _ : estat)
        f.principal.MenuCopiarALaCarpetaClick();
    estat.counters["caracters"] = QGuiApplication::clipboard()->text().size();
}
BENCHMARK(Copiar)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
