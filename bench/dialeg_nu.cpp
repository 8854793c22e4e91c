// The yardstick for start-up: a bare Qt Widgets program that shows a dialog
// of about the same size with a few controls, and reports when it takes input.
#include "MesuraProces.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialeg;
    dialeg.setFixedSize(971, 588);
    new QListWidget(&dialeg);
    for (int i = 0; i < 10; ++i)
        (new QRadioButton(QStringLiteral("Opció %1").arg(i), &dialeg))->move(8, 40 + 30 * i);
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QStringLiteral("Botó %1").arg(i), &dialeg))->move(8 + 200 * i, 513);
    new QCheckBox(QStringLiteral("Casella"), &dialeg);
    QTimer::singleShot(0, &dialeg, [&] {
        Mesura::InformarLlest();
        dialeg.accept();
    });
    dialeg.exec();
    return 0;
}
