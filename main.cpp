#include "Arrencada.h"
#include "FitxerConfiguracio.h"
#include "Fonts.h"
#include "PrecarregaMotors.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Answers --help and --version in the terminal, without opening a window.
bool RespondreTerminal(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trimbol %s\n", TRIMBOL_VERSIO);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: trimbol [--help] [--version]\n\n"
                        "An arithmetic drill with a large keypad, reading aloud in Catalan or\n"
                        "Spanish, switch scanning and two timed games.\n\n"
                        "Settings are kept in trimbol.ini beside the program when that folder is\n"
                        "writable, otherwise in the user's configuration folder.\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (RespondreTerminal(argc, argv))
        return 0;
    QApplication app(argc, argv);
    const PrecarregaMotors precarrega;
    QApplication::setApplicationName(QStringLiteral("trimbol"));
    QApplication::setApplicationVersion(QStringLiteral(TRIMBOL_VERSIO));
    RegistrarFonts();
    Arrencada arrencada(FitxerConfiguracio::camiPrograma(QStringLiteral("trimbol.ini")));
    arrencada.Iniciar();
    return QApplication::exec();
}
