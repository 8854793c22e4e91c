#include "EntradaRadio.h"

#include <QRadioButton>

#include <algorithm>

namespace {
void Repartir(const QList<QRadioButton *> &botons)
{
    const bool capTriat = std::none_of(botons.begin(), botons.end(),
                                       [](const QRadioButton *b) { return b->isChecked(); });
    for (QRadioButton *boto : botons)
        boto->setFocusPolicy(capTriat || boto->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}
} // namespace

void EntradaRadio::Installar(QWidget *grup)
{
    const QList<QRadioButton *> botons = grup->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *boto : botons)
        QObject::connect(boto, &QAbstractButton::toggled, grup, [botons] { Repartir(botons); });
    Repartir(botons);
}
