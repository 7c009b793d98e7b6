#pragma once

#include "card/ImportZeilen.h"

#include <QAbstractTableModel>

#include <vector>

// The waypoint list of a reading; the user adds a remark to each.
class MerkpunkteModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzen(std::vector<ImportMerkpunkt> merkpunkte);
    void leeren();
    const std::vector<ImportMerkpunkt>& merkpunkte() const { return merkpunkte_; }

    void setBemerkung(int zeile, const QString& bemerkung);
    // Remembers the rows the waypoints were stored in, in order.
    void setGespeichert(const std::vector<qlonglong>& zeilen);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ImportMerkpunkt> merkpunkte_;
};
