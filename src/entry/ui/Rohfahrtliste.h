#pragma once

#include "entry/EingabeStore.h"

#include <QAbstractTableModel>

#include <vector>

// The unprocessed raw trips of a card vehicle as the trip entry lists them. The column titles
// appear with the first filled list and stay.
class Rohfahrtliste : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Spalte { Startzeit, Startkm, Zielzeit, Zielkm, Fahrer, CF, Art, Ort, Grund, Kategorie, Spaltenzahl };

    using QAbstractTableModel::QAbstractTableModel;

    void setzen(std::vector<Rohfahrt> fahrten);
    const Rohfahrt& fahrt(int zeile) const { return fahrten_.at(static_cast<std::size_t>(zeile)); }
    QString text(int zeile, int spalte) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Rohfahrt> fahrten_;
    bool mitTiteln_ = false;
};
