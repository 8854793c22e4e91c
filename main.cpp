#include "Arrencada.h"
#include "FitxerConfiguracio.h"
#include "Fonts.h"
#include "GuardaPantalla.h"
#include "LiniaOrdres.h"
#include "PreparacioSpeechd.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace
{

QStringList Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The display Qt will try, empty when none is set.
QString PantallaDemanada()
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const QString valor = qEnvironmentVariable(variable); !valor.isEmpty())
            return valor;
    return {};
}

std::unique_ptr<QApplication> CrearAplicacio(int &argc, char *argv[], const QStringList &idiomes)
{
    const GuardaPantalla guarda(LiniaOrdres::SenseEscriptori(idiomes, PantallaDemanada()));
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString versio = QStringLiteral(TRIMBOL_VERSIO);
    const QStringList idiomes = QLocale::system().uiLanguages();
    const LiniaOrdres linia(Arguments(argc, argv), idiomes, versio);
    if (!linia.ObrirFinestra()) {
        std::fputs(linia.Sortida().toLocal8Bit().constData(), stdout);
        std::fputs(linia.Error().toLocal8Bit().constData(), stderr);
        return linia.CodiSortida();
    }
    const auto app = CrearAplicacio(argc, argv, idiomes);
    const PreparacioSpeechd preparacio;
    QApplication::setApplicationName(QStringLiteral("trimbol"));
    QApplication::setApplicationVersion(versio);
    RegistrarFonts();
    Arrencada arrencada(FitxerConfiguracio::camiPrograma(QStringLiteral("trimbol.ini")));
    arrencada.Iniciar();
    return QApplication::exec();
}
