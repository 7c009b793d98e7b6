#include "app/Sicherungsanker.h"

#include "admin/PruefwertvermerkStore.h"
#include "audit/Verankerung.h"
#include "common/VarnoError.h"

Sicherungsvermerke sicherungFesthalten(const QString& sicherung, const std::function<void(int)>& fortschritt)
{
    pruefkette::Koepfe koepfe;
    try {
        koepfe = PruefwertvermerkStore::gesicherteKoepfe(sicherung);
    } catch (const VarnoError& fehler) {
        return {{QStringLiteral("Der Prüfwert der Sicherung wurde nicht festgehalten: ") + fehler.message()}, {}};
    }
    Sicherungsvermerke vermerke;
    vermerke.fehler = verankerung::festhalten(koepfe, QStringLiteral("Datensicherung"),
                                              {sicherung + QStringLiteral(".pruefwerte.txt")});
    vermerke.zeitstempel = zeitstempelung::anfordern(
        {.koepfe = koepfe, .anlass = QStringLiteral("Datensicherung"), .datei = sicherung, .fortschritt = fortschritt});
    return vermerke;
}
