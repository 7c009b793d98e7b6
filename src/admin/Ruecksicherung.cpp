#include "admin/Ruecksicherung.h"

#include "admin/PruefsummenStore.h"
#include "admin/Ruecksicherungsverlust.h"
#include "admin/Serversicherung.h"
#include "admin/SicherungStore.h"
#include "admin/Sicherungsbefund.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "common/VarnoError.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Kettenanhang.h"
#include "start/Logbuchpruefung.h"
#include "db/Serveradresse.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFileInfo>

Ruecksicherung::Ruecksicherung(FileOperations& dateien) : dateien_(dateien)
{
}

QString Ruecksicherung::sicherheitskopie(const QString& logbuch)
{
    return logbuch + QStringLiteral(".vorher");
}

Ruecksicherung::Vorher Ruecksicherung::vergleichen(const QString& kopie, const Bestaetigung& bestaetigen)
{
    const Sicherungsbefund befund = sicherungsbefund(kopie);
    if (befund.mangel() && !bestaetigen(befund.frage()))
        return {true, {}};
    const QString gesichert = QLatin1Char(' ') + befund.protokoll();
    if (!Database::isOpen())
        return {false, gesichert};
    // The live logbook's value as its content gives it, not as its notes claim.
    const Pruefergebnis lebend = fahrtenbuchpruefung::pruefen();
    const auto verlust = ruecksicherungsverlust::berechnen(lebend.koepfe, befund.pruefung ? befund.pruefung->koepfe
                                                                                          : pruefkette::Koepfe{});
    if (verlust.summe() > 0 && !bestaetigen(ruecksicherungsverlust::frage(verlust)))
        return {true, {}};
    return {false, gesichert + QLatin1Char(' ') + ruecksicherungsverlust::ersetzt(lebend)};
}

bool Ruecksicherung::zuruecksichern(const QString& sicherung, const QString& logbuch, const Bestaetigung& bestaetigen)
{
    if (istServeradresse(logbuch))
        return aufDenServer(sicherung, logbuch, bestaetigen);
    const QString kopie = gepruefteKopie(sicherung, logbuch);
    Vorher vorher;
    try {
        vorher = vergleichen(kopie, bestaetigen);
    } catch (...) {
        dateien_.removeIfExists(kopie);
        throw;
    }
    if (vorher.abgelehnt) {
        dateien_.removeIfExists(kopie);
        return false;
    }
    const bool warOffen = Database::isOpen();
    const bool hatteLogbuch = QFileInfo::exists(logbuch);
    try {
        if (hatteLogbuch)
            sicherheitskopieAnlegen(logbuch);
        austauschen(kopie, logbuch);
    } catch (...) {
        dateien_.removeIfExists(kopie);
        if (warOffen && !Database::isOpen())
            Logbuch::oeffnen(logbuch);
        throw;
    }
    try {
        Logbuch::oeffnen(logbuch);
    } catch (...) {
        vorherigenStandHerstellen(logbuch, hatteLogbuch, warOffen);
        throw;
    }
    protokollEintragen(Ereignis::Ruecksicherung,
                       QStringLiteral("Rücksicherung aus %1.").arg(sicherung) + vorher.protokoll);
    return true;
}

// The server's content is replaced in one transaction, so a failure leaves it as it was; the checked
// copy of the backup waits in the temporary folder meanwhile.
bool Ruecksicherung::aufDenServer(const QString& sicherung, const QString& logbuch, const Bestaetigung& bestaetigen)
{
    const QString kopie = gepruefteKopie(sicherung, QDir::temp().filePath(QStringLiteral("varno-ruecksicherung.sav")));
    Vorher vorher;
    try {
        if (!Database::isOpen())
            Logbuch::oeffnen(logbuch);
        vorher = vergleichen(kopie, bestaetigen);
        if (!vorher.abgelehnt)
            Serversicherung::einspielen(kopie);
    } catch (...) {
        dateien_.removeIfExists(kopie);
        throw;
    }
    dateien_.removeIfExists(kopie);
    if (vorher.abgelehnt)
        return false;
    protokollEintragen(Ereignis::Ruecksicherung,
                       QStringLiteral("Rücksicherung aus %1.").arg(sicherung) + vorher.protokoll);
    return true;
}

QString Ruecksicherung::gepruefteKopie(const QString& sicherung, const QString& neben)
{
    // Told before copying, in the program's words rather than the system's.
    if (const auto mangel = Logbuchpruefung::zugriffsMangel(sicherung))
        throw VarnoError(mangel->grund);
    const QString kopie = dateien_.createTemporaryBeside(neben);
    try {
        dateien_.copyReplacing(sicherung, kopie);
        if (const auto mangel = SicherungStore::ruecksicherungsMangel(kopie))
            throw VarnoError(*mangel);
        PruefsummenStore::entfernen(kopie);
    } catch (...) {
        dateien_.removeIfExists(kopie);
        throw;
    }
    return kopie;
}

void Ruecksicherung::sicherheitskopieAnlegen(const QString& logbuch)
{
    if (Database::isOpen())
        SicherungStore::sichern(sicherheitskopie(logbuch), dateien_);
    else
        dateien_.copyReplacing(logbuch, sicherheitskopie(logbuch));
}

void Ruecksicherung::austauschen(const QString& kopie, const QString& logbuch)
{
    Database::schliessen();
    // Left over from the replaced file they would be applied to the restored one.
    for (const QString& begleitdatei : Database::companionFiles(logbuch))
        dateien_.removeIfExists(begleitdatei);
    dateien_.renameReplacing(kopie, logbuch);
}

// The restored file passed the checks and still did not open: the logbook goes back to how it was.
void Ruecksicherung::vorherigenStandHerstellen(const QString& logbuch, bool hatteLogbuch, bool warOffen)
{
    if (!hatteLogbuch) {
        dateien_.removeIfExists(logbuch);
        return;
    }
    dateien_.copyReplacing(sicherheitskopie(logbuch), logbuch);
    if (warOffen)
        Logbuch::oeffnen(logbuch);
}
