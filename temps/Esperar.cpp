#include "Esperar.h"

#include "Rellotge.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void Esperar(int ms)
{
    QEventLoop bucle;
    QTimer temporitzador;
    temporitzador.setSingleShot(true);
    temporitzador.setTimerType(Qt::PreciseTimer);
    QObject::connect(&temporitzador, &QTimer::timeout, &bucle, &QEventLoop::quit);
    if (auto *app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &bucle, &QEventLoop::quit);
    temporitzador.start(Rellotge::durada(ms));
    // Returns at once when the application is already quitting.
    bucle.exec();
}
