#include "audit/Fahrtenbuchpruefung.h"

#include "audit/Fremdobjekte.h"
#include "audit/Laufnummernpruefung.h"
#include "audit/PruefStore.h"
#include "audit/Stammverweispruefung.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Lesestand.h"

namespace fahrtenbuchpruefung {

namespace {

Stammverweispruefung::Ids stammIds()
{
    Stammverweispruefung::Ids ids;
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = PruefStore::stammIds(fahrtnamen::verweisfelder[i]);
    return ids;
}

void benennen(Pruefbefund& befund)
{
    if (befund.id != 0)
        befund.zeile = PruefStore::zeilenname(befund.kette, befund.id);
}

} // namespace

Pruefergebnis pruefen()
{
    // Notes, chains and protocol from one state: a colleague storing meanwhile is no finding.
    const Lesestand stand;
    Pruefergebnis ergebnis;
    Laufnummernpruefung folge;
    const auto vermerkt = vermerkteKoepfe();
    Stammverweispruefung verweise(stammIds());
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        Kettenpruefer pruefer(kette);
        PruefStore::zeilenLesen(kette, [&pruefer, &folge, &verweise, kette](const Kettenpruefer::Zeile& zeile) {
            pruefer.pruefen(zeile);
            if (zeile.mitWerten)
                folge.zeile(kette, zeile.id, zeile.laufnr);
            if (kette == pruefkette::Kette::Fahrtenbuch)
                verweise.pruefen(zeile);
        });
        for (Pruefbefund& befund : pruefer.abschliessen(vermerkt[pruefkette::index(kette)])) {
            benennen(befund);
            ergebnis.befunde.push_back(std::move(befund));
        }
        ergebnis.koepfe[pruefkette::index(kette)] = pruefer.berechneterKopf();
    }
    ergebnis.kettenbeginn = PruefStore::kettenbeginn();
    const bool kettenStimmen = ergebnis.befunde.empty();
    // Every chain gets its notes when the chains begin; notes gone from an empty chain hide that it
    // was emptied.
    if (ergebnis.eintraege() > 0)
        for (pruefkette::Kette kette : pruefkette::alleKetten)
            if (!vermerkt[pruefkette::index(kette)] && ergebnis.koepfe[pruefkette::index(kette)].anzahl == 0)
                ergebnis.befunde.push_back({kette, Pruefbefund::Art::VermerkFehlt, 0, {}});
    // A row missing inside a chain or a changed number is named above already, and leaves a gap
    // too; the gap counts alone when every chain on its own is consistent.
    if (kettenStimmen)
        for (Pruefbefund& befund : folge.abschliessen()) {
            benennen(befund);
            ergebnis.befunde.push_back(std::move(befund));
        }
    // A trip keeps the names it prints; a master row gone says the master tables were changed
    // outside the program, and rows stored before names were kept print a placeholder now.
    for (Pruefbefund& befund : verweise.befunde()) {
        benennen(befund);
        ergebnis.befunde.push_back(std::move(befund));
    }
    for (const QString& objekt : fremdobjekte::finden())
        ergebnis.befunde.push_back({pruefkette::Kette::Fahrtenbuch, Pruefbefund::Art::FremdesObjekt, 0, objekt});
    return ergebnis;
}

} // namespace fahrtenbuchpruefung
