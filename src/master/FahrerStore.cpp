#include "master/FahrerStore.h"

#include "db/Namensordnung.h"
#include "db/SqlStatement.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "master/Zeitanzeige.h"

namespace FahrerStore {

std::vector<Fahrer> alle()
{
    // The last trip is the most recently stored entry of the driver, i.e. the one with the highest ID;
    // trips count in their current version only.
    SqlStatement s(
        QStringLiteral("SELECT f.ID, f.Bezeichnung, f.Bemerkung, "
                       "(SELECT COUNT(*) FROM T_MIREL m WHERE m.Fahrer = f.ID AND %2) AS Anzahl, l.AnDat, "
                       "k.KZuFzg FROM T_Fahrer f "
                       "LEFT JOIN T_MIREL l ON l.ID = (SELECT MAX(m.ID) FROM T_MIREL m WHERE m.Fahrer = f.ID "
                       "AND %2) LEFT JOIN T_KFZ k ON k.ID = l.KFZ "
                       "ORDER BY %1, f.ID")
            .arg(namensordnung::spalte(u"f.Bezeichnung"), fahrtfassung::aktuell(QStringLiteral("m"))));
    s.exec();
    std::vector<Fahrer> liste;
    while (s.next())
        liste.push_back({.id = s.intValue("ID"),
                         .name = s.text("Bezeichnung"),
                         .bemerkung = s.text("Bemerkung"),
                         .fahrten = s.intValue("Anzahl"),
                         .letzteAnkunft = zeitpunktAnzeige(s.value("AnDat")),
                         .letztesFahrzeug = s.text("KZuFzg")});
    return liste;
}

} // namespace FahrerStore
