#include "evaluation/ui/FahrzeugDiagramm.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

FahrzeugDiagramm::FahrzeugDiagramm(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    zeigen({});
}

void FahrzeugDiagramm::zeigen(const std::vector<fahrzeugauswertung::Fahrzeug>& fahrzeuge)
{
    auto* unzugeordnet = new QBarSet(QStringLiteral("unzugeordnet"));
    auto* privat = new QBarSet(QStringLiteral("privat"));
    auto* arbeitsweg = new QBarSet(QStringLiteral("Arbeitsweg"));
    auto* geschaeftlich = new QBarSet(QStringLiteral("geschäftlich"));
    QStringList namen;
    qint64 hoechster = 0;
    for (const auto& f : fahrzeuge) {
        namen << f.name;
        *unzugeordnet << static_cast<qreal>(f.km.unzugeordnet);
        *privat << static_cast<qreal>(f.km.privat);
        *arbeitsweg << static_cast<qreal>(f.km.arbeitsweg);
        *geschaeftlich << static_cast<qreal>(f.km.geschaeftlich);
        hoechster = std::max({hoechster, f.km.unzugeordnet, f.km.privat, f.km.arbeitsweg, f.km.geschaeftlich});
    }
    auto* reihe = new QBarSeries;
    reihe->append({unzugeordnet, privat, arbeitsweg, geschaeftlich});

    auto* diagramm = new QChart;
    diagramm->addSeries(reihe);
    diagramm->setTitle(QStringLiteral("Kilometer je Fahrtart"));
    auto* fahrzeugAchse = new QBarCategoryAxis;
    fahrzeugAchse->append(namen);
    diagramm->addAxis(fahrzeugAchse, Qt::AlignBottom);
    reihe->attachAxis(fahrzeugAchse);
    auto* kmAchse = new QValueAxis;
    kmAchse->setLabelFormat(QStringLiteral("%d"));
    kmAchse->setRange(0, static_cast<qreal>(std::max<qint64>(hoechster, 1)));
    kmAchse->setTitleText(QStringLiteral("km"));
    diagramm->addAxis(kmAchse, Qt::AlignLeft);
    reihe->attachAxis(kmAchse);
    diagramm->legend()->setAlignment(Qt::AlignRight);

    QChart* alt = chart();
    setChart(diagramm);
    delete alt;
}
