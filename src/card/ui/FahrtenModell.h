#pragma once

#include "card/ImportZeilen.h"

#include <QAbstractTableModel>

#include <vector>

// The trip list of a reading with its marking: red trips are not taken over. The marking column
// shows its colour only while colouring is on.
class FahrtenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzen(std::vector<ImportFahrt> fahrten);
    void leeren();
    const std::vector<ImportFahrt>& fahrten() const { return fahrten_; }

    void setMarkierung(std::vector<bool> rot);
    bool rot(int zeile) const { return rot_.at(static_cast<std::size_t>(zeile)); }
    const std::vector<bool>& markierung() const { return rot_; }
    void umkehren(int zeile);
    void setFaerben(bool faerben);
    bool faerben() const { return faerben_; }
    // Asks the views to draw the marking column again.
    void markierungNeuZeichnen();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ImportFahrt> fahrten_;
    std::vector<bool> rot_;
    bool faerben_ = false;
};
