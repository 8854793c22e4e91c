// Answers "n x 1" questions through the real main window, one after another,
// keeping each answer in the history file named by the first argument, and
// says "desades N" once N answers are in the file. It never ends by itself:
// the crash test kills it.
#include "app/Finestres.h"
#include "Historia.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Finestres f;
    f.principal.ObrirHistoria(QString::fromLocal8Bit(argv[1]));
    f.principal.show();
    QObject::connect(f.principal.historia(), &Historia::Desada, [](qint64 desades) {
        std::printf("desades %lld\n", static_cast<long long>(desades));
        std::fflush(stdout);
    });
    for (int n = 1;; ++n) {
        f.pregunta(QStringLiteral("%1 x 1").arg(n));
        QTest::keyClicks(f.ui().EditResultat, QString::number(n));
        QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
}
