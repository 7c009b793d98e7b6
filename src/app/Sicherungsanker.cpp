#include "app/Sicherungsanker.h"

#include "admin/PruefwertvermerkStore.h"
#include "audit/Verankerung.h"
#include "common/VarnoError.h"

QStringList sicherungFesthalten(const QString& sicherung)
{
    try {
        return verankerung::festhalten(PruefwertvermerkStore::gesicherteKoepfe(sicherung),
                                       QStringLiteral("Datensicherung"),
                                       {sicherung + QStringLiteral(".pruefwerte.txt")});
    } catch (const VarnoError& fehler) {
        return {QStringLiteral("Der Prüfwert der Sicherung wurde nicht festgehalten: ") + fehler.message()};
    }
}
