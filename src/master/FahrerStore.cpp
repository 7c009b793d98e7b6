#include "master/FahrerStore.h"

#include "db/Namensordnung.h"
#include "db/SqlStatement.h"
#include "master/Zeitanzeige.h"

namespace FahrerStore {

std::vector<Fahrer> alle()
{
    // The last trip is the most recently stored entry of the driver, i.e. the one with the highest ID.
    SqlStatement s(QStringLiteral("SELECT f.ID, f.Bezeichnung, f.Bemerkung, "
                                  "(SELECT COUNT(*) FROM T_MIREL WHERE Fahrer = f.ID) AS Anzahl, l.AnDat, k.KZuFzg "
                                  "FROM T_Fahrer f "
                                  "LEFT JOIN T_MIREL l ON l.ID = (SELECT MAX(ID) FROM T_MIREL WHERE Fahrer = f.ID) "
                                  "LEFT JOIN T_KFZ k ON k.ID = l.KFZ "
                                  "ORDER BY %1, f.ID")
                       .arg(namensordnung::spalte(u"f.Bezeichnung")));
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

bool nameVergeben(const QString& name, int ausserId)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE %1 = ? AND ID <> ?")
                                       .arg(namensordnung::spalte(u"Bezeichnung")),
                                   {name, ausserId}) > 0;
}

int anlegen(const QString& name, const QString& bemerkung)
{
    SqlStatement s("INSERT INTO T_Fahrer (Bezeichnung, Bemerkung) VALUES (?, ?) RETURNING ID");
    s.bind(name).bind(bemerkung).exec();
    return static_cast<int>(s.neueId());
}

void aendern(int id, const QString& name, const QString& bemerkung)
{
    SqlStatement("UPDATE T_Fahrer SET Bezeichnung = ?, Bemerkung = ? WHERE ID = ?").bind(name).bind(bemerkung).bind(id)
        .exec();
}

bool loeschen(int id)
{
    SqlStatement s("DELETE FROM T_Fahrer WHERE ID = ? AND NOT EXISTS (SELECT 1 FROM T_MIREL WHERE Fahrer = ?)");
    s.bind(id).bind(id).exec();
    return s.rowsAffected() > 0;
}

} // namespace FahrerStore
