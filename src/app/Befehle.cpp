#include "app/Befehle.h"

#include "admin/SicherungStore.h"
#include "admin/Sicherungsname.h"
#include "app/Befehlszeile.h"
#include "app/KarteEinlesen.h"
#include "app/Sicherungsanker.h"
#include "audit/Pruefbefehl.h"
#include "audit/export/Datentraegerueberlassung.h"
#include "common/Clock.h"
#include "common/Exportziel.h"
#include "common/VarnoError.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Serveradresse.h"
#include "evaluation/report/Fahrtenbuchdateien.h"
#include "evaluation/report/Verfahrensdokumentation.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/Logbuch.h"
#include "logbuch/ServerrechteStore.h"
#include "platform/FileOperations.h"
#include "start/Logbuchoeffnung.h"
#include "start/Logbuchordner.h"
#include "start/Logbuchort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString einzeilig(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

QString nativ(const QString& pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

} // namespace

Befehle::Befehle(QTextStream& aus, QTextStream& fehler, const VolumeSerial& kartenkennung)
    : aus_(aus), fehler_(fehler), kartenkennung_(kartenkennung)
{
}

int Befehle::ausfuehren(const QStringList& argumente)
{
    const auto gelesen = befehlszeile::lesen(argumente, Clock::today());
    if (const auto* fehler = std::get_if<befehlszeile::Fehler>(&gelesen)) {
        const QString aufruf = befehlszeile::aufruf(fehler->befehl);
        fehler_ << aufruf << ": " << fehler->meldung << " (Hilfe: " << aufruf << " --help)\n";
        return falscheArgumente;
    }
    return ausfuehren(std::get<befehlszeile::Aufruf>(gelesen));
}

int Befehle::ausfuehren(const befehlszeile::Aufruf& aufruf)
{
    using befehlszeile::Befehl;
    if (aufruf.hilfe || aufruf.befehl == Befehl::Fenster) {
        aus_ << befehlszeile::hilfe(aufruf.befehl);
        return erfolg;
    }
    if (aufruf.befehl == Befehl::Version) {
        aus_ << "Varno " << QCoreApplication::applicationVersion() << '\n';
        return erfolg;
    }
    if (aufruf.befehl == Befehl::NeueDatenbank)
        return neueDatenbank(logbuchort(aufruf.datenbank).datei);
    if (aufruf.befehl == Befehl::Pruefen)
        return pruefen(aufruf);
    try {
        logbuchOeffnen(aufruf);
        if (aufruf.befehl == Befehl::Export && !aufruf.betriebspruefung.isEmpty())
            betriebspruefung(aufruf);
        else if (aufruf.befehl == Befehl::Export)
            exportieren(aufruf);
        else if (aufruf.befehl == Befehl::Verfahrensdokumentation)
            verfahrensdokumentation(aufruf);
        else if (aufruf.befehl == Befehl::Sichern)
            sichern(aufruf);
        else if (aufruf.befehl == Befehl::ServerBenutzer)
            serverBenutzer(aufruf);
        else
            KarteEinlesen(aus_, kartenkennung_).ausfuehren(aufruf);
    } catch (const VarnoError& fehler) {
        fehler_ << befehlszeile::aufruf(aufruf.befehl) << ": " << einzeilig(fehler.message()) << '\n';
        return fehlschlag;
    }
    return erfolg;
}

void Befehle::logbuchOeffnen(const befehlszeile::Aufruf& aufruf)
{
    // A script never waits without end for a colleague's stalled program.
    Database::setServerWartezeit(aufruf.wartenSekunden);
    // The same logbook the windows would open, never one that is only offered for moving, and
    // checked as they check it.
    logbuchoeffnung::fuerBefehlOeffnen(logbuchort(aufruf.datenbank).datei, startpruefung_);
}

void Befehle::exportieren(const befehlszeile::Aufruf& aufruf)
{
    const auto fahrzeug = FahrzeugStore::nachKennzeichen(aufruf.fahrzeug);
    if (!fahrzeug)
        throw VarnoError(QStringLiteral("Das Fahrzeug „%1“ ist nicht angelegt.").arg(aufruf.fahrzeug));
    // Both targets are judged before anything is written, so a refused one leaves no half export.
    for (const QString& datei : {aufruf.pdf, aufruf.csv})
        if (!datei.isEmpty())
            exportziel::aufloesen(datei, aufruf.folgen);
    const auto zeitstempel = fahrtenbuchdateien::schreiben(
        {fahrzeug->id, fahrzeug->kennzeichen, aufruf.von, aufruf.bis, aufruf.pdf, aufruf.csv});
    for (const QString& datei : {aufruf.pdf, aufruf.csv})
        if (!datei.isEmpty())
            aus_ << "Geschrieben: " << nativ(datei) << '\n';
    zeitstempelMelden(zeitstempel, QStringLiteral("varno export"));
}

void Befehle::betriebspruefung(const befehlszeile::Aufruf& aufruf)
{
    Exportzeitraum zeitraum{aufruf.von, aufruf.bis, std::nullopt, {}};
    if (!aufruf.fahrzeug.isEmpty()) {
        const auto fahrzeug = FahrzeugStore::nachKennzeichen(aufruf.fahrzeug);
        if (!fahrzeug)
            throw VarnoError(QStringLiteral("Das Fahrzeug „%1“ ist nicht angelegt.").arg(aufruf.fahrzeug));
        zeitraum.fahrzeug = fahrzeug->id;
        zeitraum.kennzeichen = fahrzeug->kennzeichen;
    }
    datentraegerueberlassung::schreiben(aufruf.betriebspruefung, zeitraum);
    aus_ << "Geschrieben: " << nativ(aufruf.betriebspruefung) << '\n';
}

void Befehle::verfahrensdokumentation(const befehlszeile::Aufruf& aufruf)
{
    // Judged before the logbook is read, so a refused target costs nothing.
    exportziel::aufloesen(aufruf.dokument, false);
    verfahrensdokumentation::schreiben(aufruf.dokument);
    aus_ << "Geschrieben: " << nativ(aufruf.dokument) << '\n';
}

void Befehle::sichern(const befehlszeile::Aufruf& aufruf)
{
    if (!QFileInfo(aufruf.zielordner).isDir())
        throw VarnoError(QStringLiteral("Der Zielordner %1 wurde nicht gefunden.").arg(nativ(aufruf.zielordner)));
    const QString ziel =
        sicherungsname::dateiname(sicherungsname::verzeichnisMitTrennzeichen(aufruf.zielordner), Clock::now());
    // A script cannot be asked, so an earlier backup of the same second is never replaced.
    if (QFileInfo::exists(ziel))
        throw VarnoError(QStringLiteral("Die Sicherung %1 ist bereits vorhanden.").arg(nativ(ziel)));
    SicherungStore::sichern(ziel, FileOperations::system());
    aus_ << "Gesichert: " << nativ(ziel) << '\n';
    const Sicherungsvermerke vermerke = sicherungFesthalten(ziel);
    for (const QString& fehler : vermerke.fehler)
        fehler_ << "varno sichern: " << einzeilig(fehler) << '\n';
    zeitstempelMelden(vermerke.zeitstempel, QStringLiteral("varno sichern"));
}

// The backup or export is done either way: a time stamp that failed is said, not an exit code.
void Befehle::zeitstempelMelden(const std::optional<zeitstempelung::Ergebnis>& zeitstempel, const QString& aufruf)
{
    if (!zeitstempel)
        return;
    if (zeitstempel->gespeichert)
        aus_ << einzeilig(zeitstempel->text) << '\n';
    else
        fehler_ << aufruf << ": " << einzeilig(zeitstempel->text) << '\n';
}

void Befehle::serverBenutzer(const befehlszeile::Aufruf& aufruf)
{
    if (Database::dialekt().art() != Datenbankart::PostgreSQL)
        throw VarnoError(QStringLiteral("Benutzer gibt es nur für ein Fahrtenbuch auf einem Datenbankserver "
                                        "(--datenbank postgresql://…); eine Datei schützen die Rechte des "
                                        "Betriebssystems."));
    ServerrechteStore::gewaehren(aufruf.benutzer);
    aus_ << "Der Benutzer „" << aufruf.benutzer << "“ kann das Fahrtenbuch jetzt lesen und Fahrten speichern.\n";
}

// Answers 0 unchanged, 1 changed, 2 when the file cannot be checked; the file is only read.
int Befehle::pruefen(const befehlszeile::Aufruf& aufruf)
{
    const pruefbefehl::Ergebnis ergebnis =
        pruefbefehl::ausfuehren(logbuchort(aufruf.datenbank).datei, aufruf.gegen, aufruf.anker);
    if (ergebnis.rueckgabe == pruefbefehl::fehler)
        fehler_ << befehlszeile::aufruf(aufruf.befehl) << ": " << einzeilig(ergebnis.text) << '\n';
    else
        aus_ << ergebnis.text << '\n';
    return ergebnis.rueckgabe;
}

int Befehle::neueDatenbank(const QString& pfad)
{
    try {
        if (!istServeradresse(pfad))
            if (const auto mangel = logbuchordnerBereitstellen(pfad))
                throw VarnoError(*mangel);
        Logbuch::anlegen(pfad);
        Database::schliessen();
    } catch (const VarnoError& fehler) {
        fehler_ << "varno: " << einzeilig(fehler.message()) << '\n';
        return fehlschlag;
    }
    aus_ << "Neue Datenbank " << (istServeradresse(pfad) ? pfad : nativ(pfad)) << " angelegt.\n";
    return erfolg;
}
