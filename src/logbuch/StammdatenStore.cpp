#include "logbuch/StammdatenStore.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Namensordnung.h"
#include "db/SqlStatement.h"

namespace {

// Table names come from this switch only, never from input.
QString tabellenname(Stammtabelle tabelle)
{
    switch (tabelle) {
    case Stammtabelle::Orte:
        return QStringLiteral("T_ORTE");
    case Stammtabelle::Zwecke:
        return QStringLiteral("T_ZWECK");
    case Stammtabelle::Kategorien:
        return QStringLiteral("T_Kategorie");
    case Stammtabelle::Fahrer:
        return QStringLiteral("T_Fahrer");
    }
    return {};
}

// "Ort", "Zweck", ...: one row of the table in words.
QString zeilenwort(Stammtabelle tabelle)
{
    switch (tabelle) {
    case Stammtabelle::Orte:
        return QStringLiteral("Ort");
    case Stammtabelle::Zwecke:
        return QStringLiteral("Zweck");
    case Stammtabelle::Kategorien:
        return QStringLiteral("Kategorie");
    case Stammtabelle::Fahrer:
        break;
    }
    return QStringLiteral("Fahrer");
}

std::vector<Stammeintrag> eintraege(const QString& sql)
{
    SqlStatement s(sql);
    s.exec();
    std::vector<Stammeintrag> liste;
    while (s.next())
        liste.push_back({s.intValue("ID"), s.text("Bezeichnung"), {}});
    return liste;
}

} // namespace

namespace StammdatenStore {

std::vector<Stammeintrag> nachName(Stammtabelle tabelle)
{
    return eintraege(QStringLiteral("SELECT ID, Bezeichnung FROM %1 ORDER BY %2, ID")
                         .arg(tabellenname(tabelle), namensordnung::spalte(u"Bezeichnung")));
}

std::vector<Stammeintrag> nachId(Stammtabelle tabelle)
{
    return eintraege(QStringLiteral("SELECT ID, Bezeichnung FROM %1 ORDER BY ID").arg(tabellenname(tabelle)));
}

QStringList namen(Stammtabelle tabelle)
{
    QStringList ergebnis;
    for (const Stammeintrag& eintrag : nachName(tabelle))
        ergebnis << eintrag.bezeichnung;
    return ergebnis;
}

QHash<int, QString> namenNachId(Stammtabelle tabelle)
{
    QHash<int, QString> ergebnis;
    for (const Stammeintrag& eintrag : nachId(tabelle))
        ergebnis.insert(eintrag.id, eintrag.bezeichnung);
    return ergebnis;
}

std::vector<Stammeintrag> fahrtarten()
{
    SqlStatement s("SELECT ID, Bezeichnung, Abkuerzung FROM T_ART ORDER BY ID");
    s.exec();
    std::vector<Stammeintrag> liste;
    while (s.next())
        liste.push_back({s.intValue("ID"), s.text("Bezeichnung"), s.text("Abkuerzung")});
    return liste;
}

std::optional<int> id(Stammtabelle tabelle, const QString& name)
{
    // "büro" is the place "Büro": a second row would split the evaluation's filters.
    SqlStatement suche(QStringLiteral("SELECT ID FROM %1 WHERE %2 = ? ORDER BY ID LIMIT 1")
                           .arg(tabellenname(tabelle), namensordnung::spalte(u"Bezeichnung")));
    suche.bind(name).exec();
    if (!suche.next())
        return std::nullopt;
    return suche.intValue("ID");
}

int idFuer(Stammtabelle tabelle, const QString& name, Kettenanhang& kette)
{
    Database::dialekt().tabelleSperren(tabellenname(tabelle));
    if (const auto vorhanden = id(tabelle, name))
        return *vorhanden;
    SqlStatement neu(QStringLiteral("INSERT INTO %1 (Bezeichnung) VALUES (?) RETURNING ID").arg(tabellenname(tabelle)));
    neu.bind(name).exec();
    const int id = static_cast<int>(neu.neueId());
    kette.protokollieren(Ereignis::StammeintragAngelegt, angelegt(zeilenwort(tabelle), name, id));
    return id;
}

QString name(Stammtabelle tabelle, int id)
{
    SqlStatement s(QStringLiteral("SELECT Bezeichnung FROM %1 WHERE ID = ?").arg(tabellenname(tabelle)));
    s.bind(id).exec();
    return s.next() ? s.text("Bezeichnung") : QString();
}

bool fahrernameVergeben(const QString& name, int ausserId)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE %1 = ? AND ID <> ?")
                                       .arg(namensordnung::spalte(u"Bezeichnung")),
                                   {name, ausserId}) > 0;
}

std::optional<int> fahrerAnlegen(const QString& name, const QString& bemerkung)
{
    Kettentransaktion transaktion;
    Database::dialekt().tabelleSperren(QStringLiteral("T_Fahrer"));
    if (fahrernameVergeben(name))
        return std::nullopt;
    SqlStatement s("INSERT INTO T_Fahrer (Bezeichnung, Bemerkung) VALUES (?, ?) RETURNING ID");
    s.bind(name).bind(bemerkung).exec();
    const int id = static_cast<int>(s.neueId());
    transaktion.protokollieren(Ereignis::StammeintragAngelegt, angelegt(QStringLiteral("Fahrer"), name, id));
    transaktion.commit();
    return id;
}

bool fahrerAendern(int id, const QString& name, const QString& bemerkung)
{
    Kettentransaktion transaktion;
    Database::dialekt().tabelleSperren(QStringLiteral("T_Fahrer"));
    const QString bisher = StammdatenStore::name(Stammtabelle::Fahrer, id);
    if (name != bisher && fahrernameVergeben(name, id))
        return false;
    SqlStatement("UPDATE T_Fahrer SET Bezeichnung = ?, Bemerkung = ? WHERE ID = ?")
        .bind(name)
        .bind(bemerkung)
        .bind(id)
        .exec();
    if (bisher != name)
        transaktion.protokollieren(Ereignis::FahrerUmbenannt,
                                   QStringLiteral("Fahrer „%1“ umbenannt in „%2“.").arg(bisher, name));
    transaktion.commit();
    return true;
}

bool fahrerLoeschen(int id)
{
    Kettentransaktion transaktion;
    const QString bisher = name(Stammtabelle::Fahrer, id);
    SqlStatement s("DELETE FROM T_Fahrer WHERE ID = ? AND NOT EXISTS (SELECT 1 FROM T_MIREL WHERE Fahrer = ?)");
    s.bind(id).bind(id).exec();
    const bool geloescht = s.rowsAffected() > 0;
    if (geloescht)
        transaktion.protokollieren(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer „%1“ gelöscht.").arg(bisher));
    transaktion.commit();
    return geloescht;
}

} // namespace StammdatenStore
