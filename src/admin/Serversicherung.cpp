#include "admin/Serversicherung.h"

#include "admin/SqliteDatei.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Nebenverbindung.h"
#include "db/Rohabfrage.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlStatement.h"
#include "db/Zeilenschreiber.h"

#include <sqlite3.h>

namespace {

// Table and column names below are the program's own schema's, never read from input.

QStringList spaltenDerDatei(SqliteDatei& datei, const QString& tabelle)
{
    SqliteDatei::Anweisung info(datei, QStringLiteral("PRAGMA table_info(%1)").arg(tabelle));
    QStringList namen;
    while (info.schritt())
        namen << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.handle(), 1)));
    return namen;
}

QStringList spaltenDesServers(const QString& tabelle)
{
    SqlStatement leer(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(tabelle));
    leer.exec();
    return leer.spalten();
}

// The columns of the file that the server has too, and the server's row number where it keeps
// one: SQLite keeps it as rowid by itself, so the rows keep their numbers both ways.
QStringList gemeinsameSpalten(SqliteDatei& datei, const QString& tabelle)
{
    const QStringList server = spaltenDesServers(tabelle);
    QStringList gemeinsam;
    if (server.contains(QStringLiteral("rowid"), Qt::CaseInsensitive))
        gemeinsam << QStringLiteral("rowid");
    for (const QString& spalte : spaltenDerDatei(datei, tabelle))
        if (server.contains(spalte, Qt::CaseInsensitive))
            gemeinsam << spalte;
    return gemeinsam;
}

void tabelleSichern(SqliteDatei& ziel, const QString& tabelle)
{
    const QStringList spalten = gemeinsameSpalten(ziel, tabelle);
    const QString liste = spalten.join(QStringLiteral(", "));
    Rohabfrage quelle(QStringLiteral("SELECT %1 FROM %2").arg(liste, tabelle), {});
    SqliteDatei::Anweisung einfuegen(ziel, Zeilenschreiber::einfuegeanweisung(tabelle, spalten));
    // Every value but bytes goes as the server's text; the columns' affinity stores numbers as
    // numbers, as the program itself would have stored them.
    while (quelle.next()) {
        for (int spalte = 0; spalte < spalten.size(); ++spalte) {
            qsizetype laenge = 0;
            switch (quelle.typ(spalte)) {
            case Rohabfrage::Wertart::Null:
                einfuegen.leer(spalte + 1);
                break;
            case Rohabfrage::Wertart::Bytes: {
                const char* bytes = quelle.bytes(spalte, laenge);
                einfuegen.bytesBinden(spalte + 1, QByteArray(bytes, laenge));
                break;
            }
            default: {
                const char* text = quelle.text(spalte, laenge);
                einfuegen.binden(spalte + 1, QByteArray(text, laenge));
            }
            }
        }
        einfuegen.schritt();
        einfuegen.zuruecksetzen();
    }
}

QVariant wert(sqlite3_stmt* zeile, int spalte)
{
    const int laenge = sqlite3_column_bytes(zeile, spalte);
    switch (sqlite3_column_type(zeile, spalte)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(zeile, spalte)), laenge);
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(zeile, spalte)), laenge);
    }
}

void tabelleEinspielen(SqliteDatei& quelle, const QString& tabelle)
{
    const QStringList spalten = gemeinsameSpalten(quelle, tabelle);
    SqliteDatei::Anweisung zeilen(
        quelle, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(spalten.join(QStringLiteral(", ")), tabelle));
    Zeilenschreiber ziel(tabelle, spalten, Zeilenschreiber::Menge::Stapel);
    QVariantList werte;
    while (zeilen.schritt()) {
        werte.clear();
        for (int spalte = 0; spalte < spalten.size(); ++spalte)
            werte << wert(zeilen.handle(), spalte);
        ziel.zeile(werte);
    }
    ziel.abschliessen();
    for (const QString& schluessel : {QStringLiteral("ID"), QStringLiteral("rowid")})
        if (spalten.contains(schluessel, Qt::CaseInsensitive))
            Database::dialekt().schluesselNachfuehren(tabelle, schluessel);
}

int schemaversion(const QString& pfad)
{
    SqliteDatei datei(pfad);
    SqliteDatei::Anweisung version(datei, QStringLiteral("PRAGMA user_version"));
    return version.schritt() ? sqlite3_column_int(version.handle(), 0) : 0;
}

// A backup of an older schema takes the migration steps every logbook file takes when it is
// opened, on a connection of its own: this thread's connection is the server's.
void dateiMigrieren(const QString& pfad)
{
    aufEigenerVerbindung([&pfad] { Logbuch::oeffnen(pfad); });
}

} // namespace

namespace Serversicherung {

void schreiben(const QString& datei)
{
    SqliteDatei ziel(datei);
    ziel.ausfuehren("BEGIN");
    for (const QString& definition : Schema::definitionen(Dialekt(Datenbankart::SQLite)))
        ziel.ausfuehren(definition.toUtf8().constData());
    Transaction schnappschuss(Transaction::Art::Lesen);
    for (const QString& tabelle : Schema::tableNames())
        tabelleSichern(ziel, tabelle);
    schnappschuss.commit();
    ziel.ausfuehren(QStringLiteral("PRAGMA user_version = %1").arg(Schema::currentVersion).toUtf8().constData());
    ziel.ausfuehren("COMMIT");
}

void einspielen(const QString& datei)
{
    if (schemaversion(datei) < Schema::currentVersion)
        dateiMigrieren(datei);
    SqliteDatei quelle(datei);
    // Emptied rather than dropped: rights the server's administrator gave on the tables stay.
    Transaction transaktion;
    // Nobody appends to the chains meanwhile: they would continue heads about to be replaced.
    Database::dialekt().tabelleSperren(QStringLiteral("T_Pruefkette"));
    for (const QString& tabelle : Schema::tableNames())
        SqlStatement(QStringLiteral("DELETE FROM %1").arg(tabelle)).exec();
    for (const QString& tabelle : Schema::tableNames())
        tabelleEinspielen(quelle, tabelle);
    transaktion.commit();
}

} // namespace Serversicherung
