#include "logbuch/schema/Schema.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "logbuch/schema/Schemaversion2.h"
#include "logbuch/schema/Schemaversion3.h"
#include "logbuch/schema/Schemaversion4.h"
#include "logbuch/schema/Schemaversion5.h"
#include "logbuch/schema/Schemaversion6.h"
#include "db/SqlStatement.h"
#include "logbuch/schema/Schemastand.h"

#include <QStringList>

namespace {

const QStringList version1Tables = {
    QStringLiteral("CREATE TABLE T_KFZ (ID {SCHLUESSEL}, KZuFzg TEXT NOT NULL, "
                   "AnfKM INTEGER NOT NULL DEFAULT 0, InspKM INTEGER NOT NULL DEFAULT 0, "
                   "InspDat {ZEIT} NOT NULL DEFAULT '2002-01-01 00:00:00', Eingabeart INTEGER NOT NULL DEFAULT 0, "
                   "KFZID INTEGER NOT NULL DEFAULT -1, Abgeschlossen INTEGER NOT NULL DEFAULT 0)"),
    QStringLiteral("CREATE TABLE T_MIREL (ID {SCHLUESSEL}, KFZ INTEGER, AbDat {ZEIT}, AnDat {ZEIT}, "
                   "km_ab INTEGER, km_an INTEGER, Start INTEGER, Ziel INTEGER, Art INTEGER, Zweck INTEGER, "
                   "Kategorie INTEGER, Fahrer INTEGER, Bemerkung TEXT)"),
    QStringLiteral("CREATE TABLE T_basis (ID {SCHLUESSEL}, CFID TEXT, Einlesedat {ZEIT}, "
                   "Startzeit {ZEIT}, Startkm INTEGER, Zielzeit {ZEIT}, Zielkm INTEGER, KFZid TEXT, CF INTEGER, "
                   "Art TEXT, Ort TEXT, Grund TEXT, Kat TEXT, bearbeitet INTEGER NOT NULL DEFAULT 0)"),
    QStringLiteral("CREATE TABLE T_Merkpunkte (Zeit {ZEIT}, KM INTEGER, Bemerkung TEXT, Fahrer TEXT, KFZ TEXT{ZEILE})"),
    QStringLiteral("CREATE TABLE T_CF (CF TEXT, Fahrer INTEGER)"),
    QStringLiteral("CREATE TABLE T_Fahrer (ID {SCHLUESSEL}, Bezeichnung TEXT NOT NULL, "
                   "Bemerkung TEXT)"),
    QStringLiteral("CREATE TABLE T_ORTE (ID {SCHLUESSEL}, Bezeichnung TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE T_ZWECK (ID {SCHLUESSEL}, Bezeichnung TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE T_Kategorie (ID {SCHLUESSEL}, Bezeichnung TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE T_ART (ID INTEGER PRIMARY KEY, Bezeichnung TEXT NOT NULL, Abkuerzung TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE T_STAMMFAHRTEN (Von INTEGER, Nach INTEGER, KM INTEGER, Zweck INTEGER, "
                   "Kategorie INTEGER, Art INTEGER{ZEILE})"),
    QStringLiteral(
        "CREATE TABLE T_Optionen (lKFZ INTEGER NOT NULL, KFZ INTEGER NOT NULL, Fensterpos_X INTEGER NOT NULL, "
        "Fensterpos_Y INTEGER NOT NULL, tFahrt INTEGER NOT NULL, V INTEGER NOT NULL, Muster INTEGER NOT NULL, "
        "CF_Pfad TEXT NOT NULL, DS_Pfad TEXT NOT NULL, Betriebssystem INTEGER NOT NULL, "
        "Schnittstelle INTEGER NOT NULL)"),
    QStringLiteral(
        "CREATE TABLE T_FILTER (ID INTEGER PRIMARY KEY, AbDat TEXT, AnDat TEXT, Von TEXT, Nach TEXT, "
        "km_ab TEXT, km_an TEXT, KFZ TEXT, Fahrer TEXT, Zweck TEXT, Kategorie TEXT, Art TEXT, Bemerkung TEXT)"),
    // The queries behind every screen: logbook per vehicle and time, per driver; open raw trips per vehicle.
    QStringLiteral("CREATE INDEX IX_MIREL_KFZ_AbDat ON T_MIREL (KFZ, AbDat)"),
    QStringLiteral("CREATE INDEX IX_MIREL_Fahrer ON T_MIREL (Fahrer)"),
    QStringLiteral("CREATE INDEX IX_basis_KFZid ON T_basis (KFZid, bearbeitet)"),
    QStringLiteral("CREATE INDEX IX_basis_Startzeit ON T_basis (Startzeit)"),
    QStringLiteral("CREATE INDEX IX_Merkpunkte_KFZ ON T_Merkpunkte (KFZ, Zeit)"),
};

// The rows the delivered logbook holds.
void insertDeliveredRows()
{
    const QList<QVariantList> kinds = {{1, QStringLiteral("unzugeordnet"), QStringLiteral("U")},
                                       {2, QStringLiteral("privat"), QStringLiteral("P")},
                                       {3, QStringLiteral("Arbeitsweg"), QStringLiteral("A")},
                                       {4, QStringLiteral("geschäftlich"), QStringLiteral("G")},
                                       {99, QStringLiteral("Startdatensatz"), QStringLiteral("n")}};
    for (const QVariantList& kind : kinds)
        SqlStatement("INSERT INTO T_ART (ID, Bezeichnung, Abkuerzung) VALUES (?, ?, ?)")
            .bind(kind[0]).bind(kind[1]).bind(kind[2]).exec();

    SqlStatement("INSERT INTO T_ZWECK (ID, Bezeichnung) VALUES (1, 'keine Angabe')").exec();

    SqlStatement("INSERT INTO T_KFZ (ID, KZuFzg, AnfKM, Eingabeart, KFZID) VALUES (1, 'Musterfahrzeug', 10000, 0, -1)")
        .exec();
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_an, Art, Zweck) "
                 "VALUES (1, '2006-01-01 00:00:00', '2006-01-01 00:00:00', 10000, 99, 1)")
        .exec();

    SqlStatement("INSERT INTO T_Optionen (lKFZ, KFZ, Fensterpos_X, Fensterpos_Y, tFahrt, V, Muster, CF_Pfad, DS_Pfad, "
                 "Betriebssystem, Schnittstelle) VALUES (1, 1, 100, 100, 10, 130, 0, '', '', 1, 1)")
        .exec();

    SqlStatement("INSERT INTO T_FILTER (ID, AbDat, AnDat, Von, Nach, km_ab, km_an, KFZ, Fahrer, Zweck, Kategorie, Art, "
                 "Bemerkung) VALUES (1, '', '', 'alle', 'alle', '0', '3000000', 'alle', 'alle', 'alle', 'alle', "
                 "'alle', '')")
        .exec();

    Database::dialekt().schluesselNachfuehren(QStringLiteral("T_KFZ"), QStringLiteral("ID"));
    Database::dialekt().schluesselNachfuehren(QStringLiteral("T_ZWECK"), QStringLiteral("ID"));
}

void createVersion1()
{
    for (const QString& sql : version1Tables)
        SqlStatement::direkt(Database::dialekt().tabelle(sql));
    insertDeliveredRows();
}

// Each later schema version adds its step here, run when the logbook is below it; existing steps
// are never edited.
void migrationSteps(int from, int to)
{
    if (from < 2 && to >= 2)
        schemaversion2::anlegen();
    if (from < 3 && to >= 3)
        schemaversion3::anlegen();
    // A new logbook's chains begin in this same run: it has no earlier state to record.
    if (from < 4 && to >= 4)
        schemaversion4::anlegen(from >= 2);
    if (from < 5 && to >= 5)
        schemaversion5::anlegen(from >= 2);
    if (from < 6 && to >= 6)
        schemaversion6::anlegen();
}

} // namespace

namespace Schema {

void create(int version)
{
    if (schemastand::lesen() != 0 || !Database::dialekt().leer())
        throw DatabaseError(QStringLiteral("Die Datei ist nicht leer; ein neues Fahrtenbuch wird nur in einer leeren "
                                           "Datei angelegt."));
    Transaction transaction;
    createVersion1();
    migrationSteps(1, version);
    schemastand::setzen(version);
    transaction.commit();
}

void migrate()
{
    const int version = schemastand::lesen();
    if (version > currentVersion)
        throw DatabaseError(QStringLiteral("Die Datenbank stammt aus einer neueren Programmversion (Schema %1).")
                                .arg(version));
    // An empty file or another program's database never silently becomes a logbook: only the
    // user's explicit "new logbook" creates the tables.
    if (version < 1)
        throw DatabaseError(QStringLiteral("Die Datei ist kein Varno-Fahrtenbuch."));
    if (version == currentVersion)
        return;
    if (Database::isReadOnly())
        throw DatabaseError(QStringLiteral("Das Fahrtenbuch ist schreibgeschützt und stammt aus einer älteren "
                                           "Programmversion (Schema %1); Varno kann es erst umstellen, wenn es "
                                           "beschrieben werden darf.")
                                .arg(version));
    Transaction transaction;
    migrationSteps(version, currentVersion);
    schemastand::setzen(currentVersion);
    transaction.commit();
}

QStringList definitionen(const Dialekt& dialekt)
{
    QStringList sql;
    for (const QString& definition : version1Tables + schemaversion2::definitionen())
        sql << dialekt.tabelle(definition);
    sql << schemaversion3::kartenschluessel;
    for (const QString& definition : schemaversion4::definitionen() + schemaversion5::definitionen() +
                                       schemaversion6::definitionen())
        sql << dialekt.tabelle(definition);
    return sql;
}

QStringList tableNames(int version)
{
    static const QStringList names = {
        QStringLiteral("T_KFZ"),       QStringLiteral("T_MIREL"),        QStringLiteral("T_basis"),
        QStringLiteral("T_Merkpunkte"), QStringLiteral("T_CF"),           QStringLiteral("T_Fahrer"),
        QStringLiteral("T_ORTE"),      QStringLiteral("T_ZWECK"),        QStringLiteral("T_Kategorie"),
        QStringLiteral("T_ART"),       QStringLiteral("T_STAMMFAHRTEN"), QStringLiteral("T_Optionen"),
        QStringLiteral("T_FILTER")};
    // The protocol and the chains' notes came with schema version 2.
    static const QStringList version2 = {QStringLiteral("T_Protokoll"), QStringLiteral("T_Pruefkette")};
    return version >= 2 ? names + version2 : names;
}

} // namespace Schema
