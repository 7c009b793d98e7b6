#include "logbuch/OptionenStore.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "logbuch/schema/Schemaversion6.h"
#include "db/SqlStatement.h"
#include "logbuch/schema/Schemastand.h"

namespace {

// The options row is delivered with every logbook; a file without it cannot be used.
SqlStatement einzigeZeile(const char* sql)
{
    SqlStatement statement(sql);
    statement.exec();
    if (!statement.next())
        throw DatabaseError(QStringLiteral("Die Tabelle T_Optionen enthält keine Einstellungen."));
    return statement;
}

} // namespace

namespace OptionenStore {

Einstellungen lesen()
{
    const SqlStatement zeile = einzigeZeile("SELECT lKFZ, Muster, tFahrt, V FROM T_Optionen");
    Einstellungen einstellungen;
    einstellungen.lKFZ = zeile.intValue("lKFZ");
    einstellungen.Muster = zeile.intValue("Muster");
    einstellungen.tFahrt = zeile.intValue("tFahrt");
    einstellungen.V = zeile.intValue("V");
    return einstellungen;
}

void speichern(const Einstellungen& einstellungen)
{
    SqlStatement("UPDATE T_Optionen SET lKFZ = ?, Muster = ?, tFahrt = ?, V = ?")
        .bind(einstellungen.lKFZ)
        .bind(einstellungen.Muster)
        .bind(einstellungen.tFahrt)
        .bind(einstellungen.V)
        .exec();
}

Hauptfenster hauptfenster()
{
    SqlStatement statement("SELECT lKFZ, KFZ, Fensterpos_X, Fensterpos_Y FROM T_Optionen");
    statement.exec();
    Hauptfenster fenster;
    if (!statement.next())
        return fenster;
    fenster.x = statement.intValue("Fensterpos_X");
    fenster.y = statement.intValue("Fensterpos_Y");
    if (statement.intValue("lKFZ") != 0)
        fenster.letztesFahrzeug = statement.intValue("KFZ");
    return fenster;
}

void fahrzeugMerken(int kfzId)
{
    SqlStatement("UPDATE T_Optionen SET KFZ = ?").bind(kfzId).exec();
}

void fensterposSpeichern(int x, int y)
{
    SqlStatement("UPDATE T_Optionen SET Fensterpos_X = ?, Fensterpos_Y = ?").bind(x).bind(y).exec();
}

QString datendateiPfad()
{
    SqlStatement s(QStringLiteral("SELECT CF_Pfad FROM T_Optionen"));
    s.exec();
    return s.next() ? s.text(QStringLiteral("CF_Pfad")) : QString();
}

void datendateiPfadMerken(const QString& pfad)
{
    SqlStatement(QStringLiteral("UPDATE T_Optionen SET CF_Pfad = ?")).bind(pfad).exec();
}

QString datensicherungsVerzeichnis()
{
    return einzigeZeile("SELECT DS_Pfad FROM T_Optionen").text("DS_Pfad");
}

void datensicherungsVerzeichnisSpeichern(const QString& verzeichnis)
{
    SqlStatement("UPDATE T_Optionen SET DS_Pfad = ?").bind(verzeichnis).exec();
}

MirelVerbindung mirelVerbindung()
{
    const SqlStatement zeile = einzigeZeile("SELECT Betriebssystem, Schnittstelle FROM T_Optionen");
    return {.Betriebssystem = zeile.intValue("Betriebssystem"), .Schnittstelle = zeile.intValue("Schnittstelle")};
}

void mirelVerbindungSpeichern(const MirelVerbindung& verbindung)
{
    SqlStatement("UPDATE T_Optionen SET Betriebssystem = ?, Schnittstelle = ?")
        .bind(verbindung.Betriebssystem)
        .bind(verbindung.Schnittstelle)
        .exec();
}

Zeitstempelung zeitstempelung()
{
    if (schemastand::lesen() < schemaversion6::version)
        return {};
    const SqlStatement zeile = einzigeZeile("SELECT Zeitstempeldienst, Zeitstempelzertifikat FROM T_Optionen");
    return {.dienst = zeile.text("Zeitstempeldienst"), .zertifikat = zeile.text("Zeitstempelzertifikat")};
}

void zeitstempelungSpeichern(const Zeitstempelung& zeitstempelung)
{
    // A null text would be bound as NULL; the columns hold an empty text for "none".
    const auto text = [](const QString& wert) { return wert.isNull() ? QStringLiteral("") : wert; };
    SqlStatement("UPDATE T_Optionen SET Zeitstempeldienst = ?, Zeitstempelzertifikat = ?")
        .bind(text(zeitstempelung.dienst))
        .bind(text(zeitstempelung.zertifikat))
        .exec();
}

} // namespace OptionenStore
