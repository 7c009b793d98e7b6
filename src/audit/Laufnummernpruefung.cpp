#include "audit/Laufnummernpruefung.h"

#include <algorithm>
#include <optional>

void Laufnummernpruefung::zeile(pruefkette::Kette kette, qlonglong id, qint64 laufnr)
{
    ketten_[pruefkette::index(kette)].push_back({laufnr, id});
}

std::vector<Pruefbefund> Laufnummernpruefung::abschliessen() const
{
    // Each chain is in storing order already: merging them walks the numbers of all rows in order.
    std::array<std::size_t, pruefkette::alleKetten.size()> stelle{};
    std::vector<Pruefbefund> befunde;
    qint64 erwartet = 1;
    for (;;) {
        std::optional<std::size_t> naechste;
        for (std::size_t k = 0; k < ketten_.size(); ++k)
            if (stelle[k] < ketten_[k].size() &&
                (!naechste || ketten_[k][stelle[k]].laufnr < ketten_[*naechste][stelle[*naechste]].laufnr))
                naechste = k;
        if (!naechste)
            return befunde;
        const Glied& glied = ketten_[*naechste][stelle[*naechste]++];
        if (glied.laufnr > erwartet)
            befunde.push_back({pruefkette::alleKetten[*naechste], Pruefbefund::Art::FolgeLuecke, glied.id, {}});
        erwartet = std::max(erwartet, glied.laufnr + 1);
    }
}
