#pragma once

#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/Namensabgleich.h"

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
    // `fortschritt` hears whole percent steps of an estimate of the rows to read, or of the first
    // `fortschrittUeber` rows only: what a window reads under its progress window before it shows
    // them. Counting a million rows for the estimate alone would cost more than reading that piece.
    explicit Fahrtenleser(const Fahrtenfilter& filter, AuswertungStore::Fortschritt fortschritt = {},
                          std::optional<std::size_t> fortschrittUeber = std::nullopt);
    ~Fahrtenleser();
    Fahrtenleser(const Fahrtenleser&) = delete;
    Fahrtenleser& operator=(const Fahrtenleser&) = delete;

    // The trips with the names and replacements they are shown with.
    Fahrtenliste liste(std::vector<GelisteteFahrt> fahrten = {}) const;
    // Appends the next `anzahl` listed trips to `stueck`, fewer only at the end of the result. Every
    // trip is listed with the names it was stored with (see Namensabgleich).
    void weiterlesen(std::vector<GelisteteFahrt>& stueck, std::size_t anzahl);
    bool fertig() const { return !abfrage_; }
    // The names of the trips read so far, for a list that grows piece by piece.
    const Stammnamen& namen() const { return namen_; }
    // The rest is read without reports, once the progress window that heard them is gone.
    void ohneFortschritt() { fortschritt_ = {}; }
    // An estimate of the trips the whole result lists, at least as many (for reserving memory).
    std::size_t geschaetzteAnzahl() const;

private:
    void melden();

    Fahrtenfilter filter_;
    Stammnamen namen_;
    Fahrtnamenabgleich abgleich_; // adds to namen_
    QHash<int, Ersetzung> ersetzungen_;
    AuswertungStore::Fortschritt fortschritt_;
    qint64 geschaetzt_ = 0;
    qint64 gelesen_ = 0;
    int gemeldet_ = -1;
    std::unique_ptr<Rohabfrage> abfrage_;
};
