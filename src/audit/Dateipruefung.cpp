#include "audit/Dateipruefung.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/PruefStore.h"
#include "db/Database.h"

#include <exception>
#include <thread>

namespace dateipruefung {

std::optional<Pruefergebnis> pruefen(const QString& pfad)
{
    std::optional<Pruefergebnis> ergebnis;
    std::exception_ptr fehler;
    std::thread pruefung([&] {
        try {
            Database::openAsIs(pfad, Database::Access::ReadOnly);
            if (PruefStore::schemaversion() >= 2)
                ergebnis = fahrtenbuchpruefung::pruefen();
        } catch (...) {
            fehler = std::current_exception();
        }
        Database::close();
    });
    pruefung.join();
    if (fehler)
        std::rethrow_exception(fehler);
    return ergebnis;
}

} // namespace dateipruefung
