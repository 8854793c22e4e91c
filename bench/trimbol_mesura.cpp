// The real program's start-up, measured: the same windows and start-up
// sequence as trimbol, without the one-second splash. Prints the moment the
// options window accepts input and the peak memory then, and, with
//   espera   the CPU time used during the 4000 ms pause after "Nova pregunta";
//   opcions  the CPU time used during 10 s with the options window open;
//   sensemotors  start-up without the desktop's speech engines, to show
//            what they cost; also accepted after another mode;
//   splash   start-up with the real one-second splash (counted in the
//            time); also accepted after another mode.
#include "Arrencada.h"
#include "ErrorVeu.h"
#include "FitxerConfiguracio.h"
#include "Fonts.h"
#include "MesuraProces.h"
#include "PreparacioSpeechd.h"
#include "RegistreVeus.h"
#include "TFormTTSUi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

void InformarCpu(const char *que, double cpuMs, qint64 paretMs)
{
    std::printf("%s cpu_ms %.1f wall_ms %lld percent %.2f\n", que, cpuMs,
                static_cast<long long>(paretMs), 100.0 * cpuMs / double(paretMs));
    std::fflush(stdout);
}

// Runs `accio` and reports the CPU time it used.
template <typename F> void MesurarCpu(const char *que, F &&accio)
{
    QElapsedTimer paret;
    paret.start();
    const double cpu0 = Mesura::CpuMs();
    accio();
    InformarCpu(que, Mesura::CpuMs() - cpu0, paret.elapsed());
}

// Times the splash, from the about window's showing to its hiding, so that
// the driver can leave it out of the start-up time.
class RellotgeSplash : public QObject
{
public:
    long long inici = 0, fi = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && inici == 0)
            inici = Mesura::AraNs();
        else if (event->type() == QEvent::Hide && inici != 0 && fi == 0)
            fi = Mesura::AraNs();
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const char *mode = argc > 1 ? argv[1] : "arrencada";
    const auto opcio = [&](const char *nom) {
        return std::strcmp(mode, nom) == 0 || (argc > 2 && std::strcmp(argv[2], nom) == 0);
    };
    const bool senseMotors = opcio("sensemotors");
    const bool ambSplash = opcio("splash");
    QApplication app(argc, argv);
    std::optional<PreparacioSpeechd> preparacio;
    if (!senseMotors)
        preparacio.emplace();
    RegistrarFonts();
    if (senseMotors)
        for (const char *classe : {"Speech.SpVoice", "SAPI.SpVoice"})
            RegistreVeus::Registrar(QString::fromLatin1(classe), []() -> std::unique_ptr<ObjecteVeu> {
                throw ErrorVeu("engine left out");
            });
    QTemporaryDir carpeta;
    Arrencada arrencada(carpeta.filePath(QStringLiteral("trimbol.ini")));
    RellotgeSplash splash;
    arrencada.AboutBox.installEventFilter(&splash);
    arrencada.Iniciar(ambSplash ? 1000 : 0);
    QTimer sondeig;
    QObject::connect(&sondeig, &QTimer::timeout, &app, [&] {
        if (!arrencada.FormTTS.isVisible())
            return;
        sondeig.stop();
        // The options window is up and the message loop runs: it takes input.
        Mesura::InformarLlest(ambSplash ? 0 : (splash.fi - splash.inici) / 1000000.0);
        std::printf("splash %lld\n", splash.inici);
        if (std::strcmp(mode, "opcions") == 0) {
            MesurarCpu("opcions", [] {
                QEventLoop bucle;
                QTimer::singleShot(10000, &bucle, &QEventLoop::quit);
                bucle.exec();
            });
        } else if (std::strcmp(mode, "espera") == 0) {
            arrencada.FormTTS.ui->BitBtnDAcord->click();
            MesurarCpu("espera", [&] { arrencada.FormPrincipal.ButtonNouClick(); });
        }
        // The driver times the closing from here to the end of the process.
        std::printf("tancar %lld\n", Mesura::AraNs());
        std::fflush(stdout);
        arrencada.FormPrincipal.close();
    });
    sondeig.start(0);
    return QApplication::exec();
}
