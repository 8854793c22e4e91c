#include "GraficRitme.h"

#include "TextosHistoria.h"

#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

GraficRitme::GraficRitme(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("GraficRitme"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void GraficRitme::Mostrar(const std::vector<Informe::Punt> &punts, Llengua llengua)
{
    QChart *grafic = chart();
    grafic->removeAllSeries();
    for (QAbstractAxis *eix : grafic->axes())
        grafic->removeAxis(eix);
    auto *linia = new QLineSeries;
    auto *marques = new QScatterSeries;
    marques->setMarkerSize(8);
    double maxim = 1;
    for (std::size_t i = 0; i < punts.size(); ++i) {
        linia->append(double(i + 1), punts[i].correctesPerMinut);
        marques->append(double(i + 1), punts[i].correctesPerMinut);
        maxim = std::max(maxim, punts[i].correctesPerMinut);
    }
    grafic->addSeries(linia);
    grafic->addSeries(marques);
    auto *eixX = new QValueAxis;
    eixX->setTitleText(Textos::eixSessions(llengua));
    eixX->setLabelFormat(QStringLiteral("%d"));
    eixX->setRange(punts.size() > 1 ? 1 : 0, double(std::max<std::size_t>(punts.size(), 2)));
    eixX->setTickCount(int(std::min<std::size_t>(std::max<std::size_t>(punts.size(), 2), 11)));
    auto *eixY = new QValueAxis;
    eixY->setTitleText(Textos::eixRitme(llengua));
    eixY->setRange(0, maxim * 1.15);
    eixY->setLabelFormat(QStringLiteral("%.0f"));
    grafic->addAxis(eixX, Qt::AlignBottom);
    grafic->addAxis(eixY, Qt::AlignLeft);
    for (QAbstractSeries *serie : grafic->series()) {
        serie->attachAxis(eixX);
        serie->attachAxis(eixY);
    }
    // A picture says nothing to a screen reader: the figures do.
    const QLocale locale;
    const auto millor = std::max_element(punts.begin(), punts.end(), [](const auto &a, const auto &b) {
        return a.correctesPerMinut < b.correctesPerMinut;
    });
    setAccessibleName(Textos::eixRitme(llengua));
    setAccessibleDescription(
        punts.empty() ? Textos::senseDada(llengua)
                      : Textos::descripcioGrafic(
                            llengua, int(punts.size()),
                            locale.toString(punts.back().correctesPerMinut, 'f', 1),
                            locale.toString(millor->correctesPerMinut, 'f', 1)));
}
