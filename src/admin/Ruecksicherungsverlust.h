#pragma once

#include "audit/Pruefergebnis.h"

#include <QString>

// What restoring a backup would take away: the entries the live logbook holds beyond the backup's,
// chain by chain. The user is told before they go, and the protocol keeps what was replaced.
namespace ruecksicherungsverlust {

struct Verlust {
    pruefkette::Koepfe lebend; // the live logbook's chains
    std::array<qint64, pruefkette::alleKetten.size()> mehr{}; // entries beyond the backup, per chain

    qint64 summe() const;
};

Verlust berechnen(const pruefkette::Koepfe& lebend, const pruefkette::Koepfe& gesichert);

// The question before entries are discarded.
QString frage(const Verlust& verlust);

// What the protocol notes about the replaced logbook: its Prüfwert and its entries.
QString ersetzt(const Pruefergebnis& lebend);

} // namespace ruecksicherungsverlust
