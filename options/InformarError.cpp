#include "InformarError.h"

#include <QMessageBox>

void InformarError(QWidget *pare, const QString &missatge)
{
    QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Trimbol"), missatge, QMessageBox::Ok, pare);
    caixa.setObjectName(QStringLiteral("MissatgeError"));
    caixa.exec();
}
