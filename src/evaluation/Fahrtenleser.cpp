#include "evaluation/Fahrtenleser.h"

#include "db/Rohabfrage.h"

#include <algorithm>
#include <limits>

namespace {

std::optional<zeitpunkt::Sekunden> zeit(const Rohabfrage& s, int spalte)
{
    qsizetype laenge = 0;
    const char* text = s.text(spalte, laenge);
    return zeitpunkt::ausIso(text, laenge);
}

GelisteteFahrt gelistet(const Rohabfrage& s)
{
    GelisteteFahrt f;
    f.id = s.zahl(0);
    f.abfahrt = zeit(s, 1);
    f.ankunft = zeit(s, 2);
    f.kmAb = s.zahl(3);
    f.kmAn = s.zahl(4);
    f.start = s.zahl(5);
    f.ziel = s.zahl(6);
    f.fahrzeug = s.zahl(7);
    f.fahrer = s.zahl(8);
    f.zweck = s.zahl(9);
    f.kategorie = s.zahl(10);
    f.art = s.zahl(11);
    f.mitBemerkung = s.zahl(12) != 0;
    return f;
}

// The stored names follow the columns gelistet() reads.
constexpr int ersteNamensspalte = 13;

} // namespace

// The names are matched and the trips ordered here rather than joined and sorted by the database:
// for a million trips that takes a fraction of the time.
Fahrtenleser::Fahrtenleser(const Fahrtenfilter& filter, AuswertungStore::Fortschritt fortschritt,
                           std::optional<std::size_t> fortschrittUeber)
    : filter_(filter), namen_(AuswertungStore().stammnamen()), abgleich_(namen_), fortschritt_(std::move(fortschritt))
{
    const AuswertungStore store;
    if (filter.mitErsetzten)
        ersetzungen_ = store.ersetzungen();
    if (fortschritt_)
        geschaetzt_ =
            store.geschaetzteAnzahl(filter, fortschrittUeber ? std::optional<qint64>(*fortschrittUeber) : std::nullopt);
    const AuswertungStore::Abfrage abfrage = AuswertungStore::fahrtenAbfrage(filter);
    abfrage_ = std::make_unique<Rohabfrage>(abfrage.sql, abfrage.werte);
}

Fahrtenleser::~Fahrtenleser() = default;

Fahrtenliste Fahrtenleser::liste(std::vector<GelisteteFahrt> fahrten) const
{
    return Fahrtenliste(std::move(fahrten), namen_, ersetzungen_);
}

std::size_t Fahrtenleser::geschaetzteAnzahl() const
{
    return static_cast<std::size_t>(AuswertungStore().geschaetzteAnzahl(filter_));
}

void Fahrtenleser::weiterlesen(std::vector<GelisteteFahrt>& stueck, std::size_t anzahl)
{
    const std::size_t ziel = stueck.size() + std::min(anzahl, std::numeric_limits<std::size_t>::max() - stueck.size());
    stueck.reserve(
        std::min(ziel, stueck.size() + static_cast<std::size_t>(std::max<qint64>(0, geschaetzt_ - gelesen_))));
    while (abfrage_ && stueck.size() < ziel) {
        if (!abfrage_->next()) {
            abfrage_.reset();
            // The count is an estimate; the gauge ends full however many rows came.
            if (fortschritt_ && gemeldet_ != 100)
                fortschritt_(100);
            break;
        }
        GelisteteFahrt f = gelistet(*abfrage_);
        abgleich_.abgleichen(f, *abfrage_, ersteNamensspalte);
        stueck.push_back(f);
        ++gelesen_;
        melden();
    }
}

// Whole percent steps only: the progress window repaints on every report.
void Fahrtenleser::melden()
{
    if (!fortschritt_ || geschaetzt_ <= 0)
        return;
    const int prozent = static_cast<int>(std::min<qint64>(100, (100 * gelesen_ + geschaetzt_ / 2) / geschaetzt_));
    if (prozent != gemeldet_) {
        gemeldet_ = prozent;
        fortschritt_(prozent);
    }
}
