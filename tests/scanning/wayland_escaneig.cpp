// Runs the main window's scan on whatever platform Qt is given and reports
// what it saw: "platform=<name> steps=<n> focus=<key> followsFrame=<0|1>".
// tst_wayland runs it as a Wayland client of a headless compositor.
#include "../app/Finestres.h"
#include "Escaneig.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Finestres f;
    f.principal.show();
    f.opcions.ui->CheckBoxEscaneig->setChecked(true);
    int passos = 0;
    ::Escaneig &escaneig = f.principal.escaneig();
    QObject::connect(&escaneig, &::Escaneig::Enmarcada, &app, [&](QWidget *tecla) {
        if (++passos < 5)
            return;
        QWidget *focus = f.principal.focusWidget();
        std::printf("platform=%s steps=%d framed=%s focus=%s followsFrame=%d\n",
                    qPrintable(QGuiApplication::platformName()), passos,
                    qPrintable(tecla->objectName()), focus ? qPrintable(focus->objectName()) : "-",
                    escaneig.SeguirMarc() ? 1 : 0);
        std::fflush(stdout);
        app.exit(0);
    });
    f.principal.IniciarEscaneig();
    // A scan that never moves is a failure, not a hang.
    QTimer::singleShot(20000, &app, [&app] { app.exit(3); });
    return app.exec();
}
