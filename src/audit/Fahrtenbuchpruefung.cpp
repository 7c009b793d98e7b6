#include "audit/Fahrtenbuchpruefung.h"

#include "audit/PruefStore.h"
#include "db/Kettenanhang.h"

namespace fahrtenbuchpruefung {

Pruefergebnis pruefen()
{
    Pruefergebnis ergebnis;
    const auto vermerkt = vermerkteKoepfe();
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        Kettenpruefer pruefer(kette);
        PruefStore::zeilenLesen(kette, [&pruefer](const Kettenpruefer::Zeile& zeile) { pruefer.pruefen(zeile); });
        for (Pruefbefund& befund : pruefer.abschliessen(vermerkt[pruefkette::index(kette)])) {
            if (befund.id != 0)
                befund.zeile = PruefStore::zeilenname(kette, befund.id);
            ergebnis.befunde.push_back(std::move(befund));
        }
        ergebnis.koepfe[pruefkette::index(kette)] = pruefer.kopf();
    }
    return ergebnis;
}

} // namespace fahrtenbuchpruefung
