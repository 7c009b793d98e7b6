#include "audit/Dateipruefung.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/PruefStore.h"
#include "db/Database.h"
#include "db/Nebenverbindung.h"
#include "logbuch/Logbuch.h"

namespace dateipruefung {

std::optional<Pruefergebnis> pruefen(const QString& pfad)
{
    std::optional<Pruefergebnis> ergebnis;
    aufEigenerVerbindung([&] {
        Logbuch::wieVorgefunden(pfad, Database::Access::ReadOnly);
        if (PruefStore::schemaversion() >= 2)
            ergebnis = fahrtenbuchpruefung::pruefen();
    });
    return ergebnis;
}

} // namespace dateipruefung
