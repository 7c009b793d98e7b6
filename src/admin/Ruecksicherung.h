#pragma once

#include <QString>

#include <functional>

class FileOperations;

// Puts a backup in place as the logbook. The backup is copied beside the logbook and checked
// there; only a sound logbook replaces the current one, which is first kept as a safety copy
// (`<logbook>.vorher`). An open connection is closed for the swap and opened again on the
// restored file, so the program goes on without a restart. A logbook on a server (`logbook` is its
// address) gets the checked backup's rows in one transaction instead.
class Ruecksicherung {
public:
    explicit Ruecksicherung(FileOperations& dateien);

    // Asks `bestaetigen` before a backup whose content no longer gives the Prüfwert it notes (or
    // whose chains do not hold) is restored, and before entries the open logbook holds beyond the
    // backup are discarded; false when the user keeps the logbook. Throws VarnoError with the
    // reason when the backup cannot be restored; the logbook is then unchanged and open again if it
    // was open before. The protocol of the restored logbook names the outcome of the backup's
    // check and the replaced one's Prüfwert and entries.
    using Bestaetigung = std::function<bool(const QString& frage)>;
    bool zuruecksichern(const QString& sicherung, const QString& logbuch, const Bestaetigung& bestaetigen);

    static QString sicherheitskopie(const QString& logbuch);

private:
    bool aufDenServer(const QString& sicherung, const QString& logbuch, const Bestaetigung& bestaetigen);
    // The checked copy against its own note and against the open logbook: whether the user
    // declined a changed backup or to lose entries the copy lacks, and what the protocol keeps of
    // both.
    struct Vorher {
        bool abgelehnt = false;
        QString protokoll; // what the protocol adds about the replaced logbook
    };
    static Vorher vergleichen(const QString& kopie, const Bestaetigung& bestaetigen);
    // A checked copy of the backup, written beside the file `neben`.
    QString gepruefteKopie(const QString& sicherung, const QString& neben);
    void sicherheitskopieAnlegen(const QString& logbuch);
    void austauschen(const QString& kopie, const QString& logbuch);
    void vorherigenStandHerstellen(const QString& logbuch, bool hatteLogbuch, bool warOffen);

    FileOperations& dateien_;
};
