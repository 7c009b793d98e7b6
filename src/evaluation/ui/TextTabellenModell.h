#pragma once

#include "evaluation/TextTabelle.h"

#include <QAbstractTableModel>

// Shows a TextTabelle in a table view; used for the driver and vehicle views.
class TextTabellenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTabellenModell(QObject* parent = nullptr);

    void setzen(TextTabelle tabelle);
    const TextTabelle& tabelle() const { return tabelle_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TextTabelle tabelle_;
};
