#include "TFormJocs.h"

#include "Glifs.h"
#include "MidesLletra.h"
#include "ui_TFormJocs.h"

#include <QStyle>

TFormJocs::TFormJocs(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TFormJocs>())
{
    ui->setupUi(this);
    AplicarMidesLletra(this);
    setFixedSize(549, 225);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    ui->BitBtnDAcord->setIcon(Glifs::estandard(QStyle::SP_DialogOkButton));
    connect(ui->BitBtnDAcord, &QPushButton::clicked, this, &QDialog::accept);
}

TFormJocs::~TFormJocs() = default;
