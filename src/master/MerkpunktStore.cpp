#include "master/MerkpunktStore.h"

#include "db/SqlStatement.h"
#include "master/Zeitanzeige.h"

namespace MerkpunktStore {

std::vector<Merkpunkt> merkpunkte(const QString& fahrzeugSchluessel)
{
    SqlStatement s("SELECT m.Zeit, m.KM, m.Bemerkung, f.Bezeichnung FROM T_Merkpunkte m "
                   "JOIN T_CF c ON m.Fahrer = c.CF JOIN T_Fahrer f ON c.Fahrer = f.ID "
                   "WHERE m.KFZ = ? ORDER BY m.Zeit NULLS FIRST");
    s.bind(fahrzeugSchluessel).exec();
    std::vector<Merkpunkt> liste;
    while (s.next())
        liste.push_back({.zeit = zeitpunktAnzeige(s.value("Zeit")),
                         .km = s.intValue("KM"),
                         .fahrer = s.text("Bezeichnung"),
                         .bemerkung = s.text("Bemerkung")});
    return liste;
}

} // namespace MerkpunktStore
