#include "MissatgeHistoria.h"

#include "TextosHistoria.h"

#include <QMessageBox>
#include <QtGlobal>

void MissatgeHistoria(QWidget *pare, Llengua llengua, const ErrorHistoria &error,
                      const QString &cami)
{
    const QString motiu = Textos::faltaHistoria(llengua, int(error.falla), error.detall);
    QMessageBox missatge(QMessageBox::Warning, Textos::titolMissatgeHistoria(llengua),
                         Textos::missatgeHistoria(llengua, motiu, cami), QMessageBox::Ok, pare);
    qWarning("trimbol: %s (%s)", qPrintable(motiu), qPrintable(cami));
    missatge.setObjectName(QStringLiteral("MissatgeHistoria"));
    missatge.exec();
}
