#include "audit/Pruefstand.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/PruefStore.h"

const Pruefergebnis& Pruefstand::aktuell()
{
    const QString stand = PruefStore::datenstand();
    if (!ergebnis_ || stand != datenstand_) {
        ergebnis_ = fahrtenbuchpruefung::pruefen();
        datenstand_ = stand;
    }
    return *ergebnis_;
}

void Pruefstand::merken(const Pruefergebnis& ergebnis)
{
    ergebnis_ = ergebnis;
    datenstand_ = PruefStore::datenstand();
}
