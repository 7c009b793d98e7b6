#pragma once

#include "evaluation/Fahrzeugauswertung.h"

#include <QChartView>

#include <vector>

// Bar chart of the kilometres per kind of trip, one group of bars per vehicle.
class FahrzeugDiagramm : public QChartView {
    Q_OBJECT
public:
    explicit FahrzeugDiagramm(QWidget* parent = nullptr);

    void zeigen(const std::vector<fahrzeugauswertung::Fahrzeug>& fahrzeuge);
};
