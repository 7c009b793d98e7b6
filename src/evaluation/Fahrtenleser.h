#pragma once

#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrtenliste.h"

#include <QHash>

#include <cstddef>
#include <memory>
#include <vector>

class Rohabfrage;

// Reads the trip list of a filter piece by piece, so a window can show the first rows while the
// rest is still to come. The rows come in storage order; Fahrtenliste::ordnen() puts the whole
// list in list order. The statement stays open between the pieces.
class Fahrtenleser {
public:
    // `fortschritt` hears whole percent steps of an estimate of the rows to read.
    explicit Fahrtenleser(const Fahrtenfilter& filter, AuswertungStore::Fortschritt fortschritt = {});
    ~Fahrtenleser();
    Fahrtenleser(const Fahrtenleser&) = delete;
    Fahrtenleser& operator=(const Fahrtenleser&) = delete;

    // Without rows yet: the names and replacements the rows are shown with.
    Fahrtenliste leereListe() const;
    // The next `anzahl` listed trips, fewer only at the end of the result. A trip lacking one of
    // its master rows is never listed.
    std::vector<GelisteteFahrt> weiterlesen(std::size_t anzahl);
    bool fertig() const { return !abfrage_; }

private:
    void melden();

    Stammnamen namen_;
    QHash<int, Ersetzung> ersetzungen_;
    AuswertungStore::Fortschritt fortschritt_;
    qint64 geschaetzt_ = 0;
    qint64 gelesen_ = 0;
    int gemeldet_ = -1;
    std::unique_ptr<Rohabfrage> abfrage_;
};
