#pragma once

#include "Informe.h"
#include "Textos.h"

#include <QChartView>

// The chart of correct answers per minute, session by session.
class GraficRitme : public QChartView
{
    Q_OBJECT

public:
    explicit GraficRitme(QWidget *parent = nullptr);
    void Mostrar(const std::vector<Informe::Punt> &punts, Llengua llengua);
};
