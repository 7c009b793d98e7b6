#include "logbuch/FahrzeugStore.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Namensordnung.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "logbuch/KFZEintrag.h"
#include "logbuch/NeuesFahrzeug.h"
#include "logbuch/OptionenStore.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Kettenanhang.h"

namespace FahrzeugStore {

QString schluessel(int kfzId)
{
    SqlStatement statement("SELECT KZuFzg, KFZID FROM T_KFZ WHERE ID = ?");
    statement.bind(kfzId).exec();
    if (!statement.next())
        return {};
    return fahrzeugSchluessel(statement.intValue("KFZID"), statement.text("KZuFzg"));
}

std::optional<GefundenesFahrzeug> nachKennzeichen(const QString& kzuFzg)
{
    SqlStatement statement(
        QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ WHERE %1 = ? ORDER BY ID").arg(namensordnung::spalte(u"KZuFzg")));
    statement.bind(kzuFzg).exec();
    if (!statement.next())
        return std::nullopt;
    return GefundenesFahrzeug{statement.intValue("ID"), statement.text("KZuFzg")};
}

bool kennzeichenVergeben(const QString& kzuFzg)
{
    return nachKennzeichen(kzuFzg).has_value();
}

QString kennzeichen(int kfzId)
{
    SqlStatement s("SELECT KZuFzg FROM T_KFZ WHERE ID = ?");
    s.bind(kfzId).exec();
    return s.next() ? s.text("KZuFzg") : QString();
}

std::optional<QString> kennzeichenZurKfzNummer(int kfzNummer)
{
    SqlStatement s("SELECT KZuFzg FROM T_KFZ WHERE KFZID = ?");
    s.bind(kfzNummer).exec();
    if (!s.next())
        return std::nullopt;
    return s.text("KZuFzg");
}

int eingabeart(int kfzId)
{
    return SqlStatement::scalarInt("SELECT Eingabeart FROM T_KFZ WHERE ID = ?", {kfzId});
}

int offene()
{
    return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ WHERE Abgeschlossen = 0");
}

void abschliessen(int kfzId)
{
    Kettentransaktion transaction;
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(kfzId).exec();
    SqlStatement fahrzeug("SELECT KZuFzg FROM T_KFZ WHERE ID = ?");
    fahrzeug.bind(kfzId).exec();
    if (fahrzeug.next())
        transaction.protokollieren(Ereignis::FahrzeugAbgeschlossen,
                                   QStringLiteral("Fahrzeug „%1“ abgeschlossen.").arg(fahrzeug.text("KZuFzg")));
    SqlStatement erstes(QStringLiteral("SELECT ID FROM T_KFZ WHERE Abgeschlossen = 0 ORDER BY %1 LIMIT 1")
                            .arg(namensordnung::spalte(u"KZuFzg")));
    erstes.exec();
    if (erstes.next())
        OptionenStore::fahrzeugMerken(erstes.intValue("ID"));
    transaction.commit();
}

int unbearbeiteteFahrten(const QString& schluessel)
{
    return SqlStatement::scalarInt(
        "SELECT COUNT(*) FROM T_basis WHERE KFZid = ? AND NOT Art = 'M' AND bearbeitet = 0", {schluessel});
}

std::vector<KFZEintrag> offeneFahrzeuge()
{
    SqlStatement statement(
        QStringLiteral("SELECT k.KZuFzg, k.ID, k.InspKM, k.InspDat, k.Eingabeart, k.KFZID, k.Abgeschlossen, "
                       "COALESCE((SELECT MAX(m.km_an) FROM T_MIREL m WHERE m.KFZ = k.ID AND %2), k.AnfKM) AS KmStand "
                       "FROM T_KFZ k WHERE k.Abgeschlossen = 0 ORDER BY %1")
            .arg(namensordnung::spalte(u"k.KZuFzg"), fahrtfassung::aktuell(QStringLiteral("m"))));
    statement.exec();
    std::vector<KFZEintrag> fahrzeuge;
    while (statement.next()) {
        KFZEintrag eintrag;
        eintrag.KZuFzg = statement.text("KZuFzg");
        eintrag.ID = statement.intValue("ID");
        eintrag.InspKM = statement.intValue("InspKM");
        eintrag.InspDat = sqldate::germanDate(statement.value("InspDat"));
        eintrag.Eingabeart = statement.intValue("Eingabeart");
        eintrag.KFZID = statement.intValue("KFZID");
        eintrag.Abgeschlossen = statement.intValue("Abgeschlossen") != 0;
        eintrag.KmStand = statement.intValue("KmStand");
        fahrzeuge.push_back(eintrag);
    }
    return fahrzeuge;
}

void sperren()
{
    Database::dialekt().tabelleSperren(QStringLiteral("T_KFZ"));
}

int einfuegen(const NeuesFahrzeug& fahrzeug)
{
    SqlStatement statement("INSERT INTO T_KFZ (KZuFzg, AnfKM, InspKM, InspDat, Eingabeart, KFZID) "
                           "VALUES (?, ?, ?, ?, ?, ?) RETURNING ID");
    statement.bind(fahrzeug.kennzeichen)
        .bind(fahrzeug.anfkm)
        .bind(fahrzeug.inspkm)
        .bind(sqldate::toSql(fahrzeug.inspdat))
        .bind(fahrzeug.eingabeart)
        .bind(fahrzeug.kfzid)
        .exec();
    return static_cast<int>(statement.neueId());
}

void inspektionSpeichern(int kfzId, int km, const QDate& datum)
{
    SqlStatement("UPDATE T_KFZ SET InspKM = ?, InspDat = ? WHERE ID = ?")
        .bind(km)
        .bind(sqldate::toSql(datum))
        .bind(kfzId)
        .exec();
}

} // namespace FahrzeugStore
