#include "master/FahrerStore.h"

#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Namensordnung.h"
#include "db/SqlStatement.h"
#include "master/Zeitanzeige.h"

namespace {

QString fahrername(int id)
{
    SqlStatement s("SELECT Bezeichnung FROM T_Fahrer WHERE ID = ?");
    s.bind(id).exec();
    return s.next() ? s.text("Bezeichnung") : QString();
}

} // namespace

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

bool nameVergeben(const QString& name, int ausserId)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE %1 = ? AND ID <> ?")
                                       .arg(namensordnung::spalte(u"Bezeichnung")),
                                   {name, ausserId}) > 0;
}

int anlegen(const QString& name, const QString& bemerkung)
{
    Kettentransaktion transaktion;
    SqlStatement s("INSERT INTO T_Fahrer (Bezeichnung, Bemerkung) VALUES (?, ?) RETURNING ID");
    s.bind(name).bind(bemerkung).exec();
    const int id = static_cast<int>(s.neueId());
    transaktion.protokollieren(Ereignis::StammeintragAngelegt, angelegt(QStringLiteral("Fahrer"), name, id));
    transaktion.commit();
    return id;
}

void aendern(int id, const QString& name, const QString& bemerkung)
{
    Kettentransaktion transaktion;
    const QString bisher = fahrername(id);
    SqlStatement("UPDATE T_Fahrer SET Bezeichnung = ?, Bemerkung = ? WHERE ID = ?").bind(name).bind(bemerkung).bind(id)
        .exec();
    if (bisher != name)
        transaktion.protokollieren(Ereignis::FahrerUmbenannt,
                                   QStringLiteral("Fahrer „%1“ umbenannt in „%2“.").arg(bisher, name));
    transaktion.commit();
}

bool loeschen(int id)
{
    Kettentransaktion transaktion;
    const QString name = fahrername(id);
    SqlStatement s("DELETE FROM T_Fahrer WHERE ID = ? AND NOT EXISTS (SELECT 1 FROM T_MIREL WHERE Fahrer = ?)");
    s.bind(id).bind(id).exec();
    const bool geloescht = s.rowsAffected() > 0;
    if (geloescht)
        transaktion.protokollieren(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer „%1“ gelöscht.").arg(name));
    transaktion.commit();
    return geloescht;
}

} // namespace FahrerStore
