#pragma once

#include "evaluation/Fahrtenliste.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

class Fahrtenleser;

// The trip list behind the evaluation's trip grid. Texts are made only for the rows on screen.
// Read through a Fahrtenleser, the list shows its first piece at once and grows piece by piece
// while the event loop runs, sooner where the view asks for more rows (fetchMore); at the end
// it stands in departure order. Without trips it shows one empty row under the header.
// A replaced version is grey and struck through; a row the check of the chain names is marked red;
// the tooltip says why.
class FahrtenlistenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FahrtenlistenModell(QObject* parent = nullptr);
    ~FahrtenlistenModell() override;

    // `auffaellig` holds the trips the last check of the logbook named.
    void setzen(Fahrtenliste liste, QSet<qlonglong> auffaellig = {});
    // Reads the first piece before it returns, with the reader's progress reports, and the rest
    // afterwards without them.
    void lesen(std::unique_ptr<Fahrtenleser> leser, QSet<qlonglong> auffaellig = {});
    // The rows read so far.
    const Fahrtenliste& liste() const { return liste_; }
    // The whole result: reads at once what is still to come.
    const Fahrtenliste& ganzeListe();
    bool ganzGelesen() const { return !leser_; }
    // Trips per piece.
    void setStueck(std::size_t zeilen) { stueckgroesse_ = std::max<std::size_t>(1, zeilen); }
    std::size_t stueck() const { return stueckgroesse_; }
    // Pieces read since the last lesen(), the first included.
    int gelesenStuecke() const { return stuecke_; }

    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // Rows came in; the count and kilometres of liste() have grown.
    void gewachsen();
    // The last piece is in and the list in departure order.
    void ganzGelesenWorden();

private:
    void weiterlesen();
    void stueckLesen(std::size_t anzahl);
    void abschliessen();
    bool auffaellig(std::size_t zeile) const;
    QColor grund(std::size_t zeile) const;
    QString hinweis(std::size_t zeile) const;

    Fahrtenliste liste_;
    QSet<qlonglong> auffaellig_;
    std::unique_ptr<Fahrtenleser> leser_;
    // About 10 ms of reading on an ordinary desktop: a screenful many times over, and short
    // enough that scrolling stays smooth while the rest comes in.
    std::size_t stueckgroesse_ = 10000;
    // The piece being read, kept so its memory serves every piece.
    std::vector<GelisteteFahrt> stueck_;
    int stuecke_ = 0;
    QTimer naechstesStueck_;
};
