#include "Fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RegistrarFonts();
    return 0;
}
