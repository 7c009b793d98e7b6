#pragma once

#include "evaluation/Fahrtenliste.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QSet>

// The trip list behind the evaluation's trip grid. Texts are made only for the rows on screen,
// so a list of a million trips fills at once. Without trips it shows one empty row under the header.
// A replaced version is grey and struck through; a row the check of the chain names is marked red;
// the tooltip says why.
class FahrtenlistenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FahrtenlistenModell(QObject* parent = nullptr);

    // `auffaellig` holds the trips the last check of the logbook named.
    void setzen(Fahrtenliste liste, QSet<qlonglong> auffaellig = {});
    const Fahrtenliste& liste() const { return liste_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    bool auffaellig(std::size_t zeile) const;
    QColor grund(std::size_t zeile) const;
    QString hinweis(std::size_t zeile) const;

    Fahrtenliste liste_;
    QSet<qlonglong> auffaellig_;
};
