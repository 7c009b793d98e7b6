#pragma once

#include "evaluation/Fahrtenliste.h"

#include <QAbstractTableModel>

// The trip list behind the evaluation's trip grid. Texts are made only for the rows on screen,
// so a list of a million trips fills at once. Without trips it shows one empty row under the header.
class FahrtenlistenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FahrtenlistenModell(QObject* parent = nullptr);

    void setzen(Fahrtenliste liste);
    const Fahrtenliste& liste() const { return liste_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Fahrtenliste liste_;
};
