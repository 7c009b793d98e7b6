#include "master/KFZStore.h"

#include "db/Namensordnung.h"
#include "db/SqlStatement.h"
#include "master/Zeitanzeige.h"

namespace KFZStore {

int offeneFahrzeuge()
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_KFZ WHERE Abgeschlossen = 0"));
}

std::vector<Merkpunkt> merkpunkte(const QString& fahrzeugSchluessel)
{
    SqlStatement s("SELECT m.Zeit, m.KM, m.Bemerkung, f.Bezeichnung FROM T_Merkpunkte m "
                   "JOIN T_CF c ON m.Fahrer = c.CF JOIN T_Fahrer f ON c.Fahrer = f.ID "
                   "WHERE m.KFZ = ? ORDER BY m.Zeit");
    s.bind(fahrzeugSchluessel).exec();
    std::vector<Merkpunkt> liste;
    while (s.next())
        liste.push_back({.zeit = zeitpunktAnzeige(s.value("Zeit")),
                         .km = s.intValue("KM"),
                         .fahrer = s.text("Bezeichnung"),
                         .bemerkung = s.text("Bemerkung")});
    return liste;
}

bool kennzeichenVorhanden(const QString& kennzeichen)
{
    return SqlStatement::scalarInt(
               QStringLiteral("SELECT COUNT(*) FROM T_KFZ WHERE %1 = ?").arg(namensordnung::spalte(u"KZuFzg")),
               {kennzeichen}) > 0;
}

void abschliessen(int kfzId)
{
    Transaction transaction;
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(kfzId).exec();
    SqlStatement erstes(QStringLiteral("SELECT ID FROM T_KFZ WHERE Abgeschlossen = 0 ORDER BY %1 LIMIT 1")
                            .arg(namensordnung::spalte(u"KZuFzg")));
    erstes.exec();
    if (erstes.next())
        SqlStatement("UPDATE T_Optionen SET KFZ = ?").bind(erstes.intValue("ID")).exec();
    transaction.commit();
}

} // namespace KFZStore
