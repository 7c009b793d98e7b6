#include "db/Namensordnung.h"
#include "db/TDataBase.h"

#include "db/Fahrtfassung.h"
#include "db/Kettenanhang.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

void TDataBase::ListenOeffnen()
{
    // The current odometer is the largest arrival reading of the current trips, or the initial one
    // without logbook rows.
    SqlStatement statement(
        QStringLiteral("SELECT k.KZuFzg, k.ID, k.InspKM, k.InspDat, k.Eingabeart, k.KFZID, k.Abgeschlossen, "
                       "COALESCE((SELECT MAX(m.km_an) FROM T_MIREL m WHERE m.KFZ = k.ID AND %2), k.AnfKM) AS KmStand "
                       "FROM T_KFZ k WHERE k.Abgeschlossen = 0 ORDER BY %1")
            .arg(namensordnung::spalte(u"k.KZuFzg"), fahrtfassung::aktuell(QStringLiteral("m"))));
    statement.exec();
    fahrzeuge_.clear();
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
        fahrzeuge_.push_back(eintrag);
    }
}

int TDataBase::KFZAnzahl() const
{
    return static_cast<int>(fahrzeuge_.size());
}

void TDataBase::KFZLesen(std::vector<KFZEintrag>& liste) const
{
    liste = fahrzeuge_;
}

TDataBase::Optionen TDataBase::OptionenLesen(const std::vector<KFZEintrag>& liste) const
{
    SqlStatement statement("SELECT lKFZ, KFZ, Fensterpos_X, Fensterpos_Y FROM T_Optionen");
    statement.exec();
    Optionen optionen;
    if (!statement.next())
        return optionen;
    optionen.x = statement.intValue("Fensterpos_X");
    optionen.y = statement.intValue("Fensterpos_Y");
    if (statement.intValue("lKFZ") == 0)
        return optionen;
    const int kfz = statement.intValue("KFZ");
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i].ID == kfz) {
            optionen.index = static_cast<int>(i);
            break;
        }
    }
    return optionen;
}

void TDataBase::ListenSchliessen()
{
    fahrzeuge_.clear();
}

void TDataBase::KFZMerken(int id)
{
    SqlStatement("UPDATE T_Optionen SET KFZ = ?").bind(id).exec();
}

void TDataBase::InspektionSpeichern(int id, int km, const QDate& datum)
{
    SqlStatement("UPDATE T_KFZ SET InspKM = ?, InspDat = ? WHERE ID = ?")
        .bind(km)
        .bind(sqldate::toSql(datum))
        .bind(id)
        .exec();
}

int TDataBase::KFZAnlegen(const NeuesKFZ& kfz)
{
    Kettentransaktion transaction;
    SqlStatement fahrzeug("INSERT INTO T_KFZ (KZuFzg, AnfKM, InspKM, InspDat, Eingabeart, KFZID) "
                          "VALUES (?, ?, ?, ?, ?, ?) RETURNING ID");
    fahrzeug.bind(kfz.kennzeichen)
        .bind(kfz.anfkm)
        .bind(kfz.inspkm)
        .bind(sqldate::toSql(kfz.inspdat))
        .bind(kfz.eingabeart)
        .bind(kfz.kfzid)
        .exec();
    const int id = static_cast<int>(fahrzeug.neueId());
    transaction.protokollieren(Ereignis::StammeintragAngelegt,
                               angelegt(QStringLiteral("Fahrzeug"), kfz.kennzeichen, id));
    const QString start = sqldate::toSql(kfz.start);
    transaction.anhaengen(
        Fahrtenbucheintrag{.kfz = id, .abDat = start, .anDat = start, .kmAn = kfz.anfkm, .art = 99, .zweck = 1});
    transaction.commit();
    return id;
}

void TDataBase::FensterposSpeichern(int x, int y)
{
    SqlStatement("UPDATE T_Optionen SET Fensterpos_X = ?, Fensterpos_Y = ?").bind(x).bind(y).exec();
}
