#pragma once

#include <QString>

class FileOperations;

// Puts a backup in place as the logbook. The backup is copied beside the logbook and checked
// there; only a sound logbook replaces the current one, which is first kept as a safety copy
// (`<logbook>.vorher`). An open connection is closed for the swap and opened again on the
// restored file, so the program goes on without a restart. A logbook on a server (`logbook` is its
// address) gets the checked backup's rows in one transaction instead.
class Ruecksicherung {
public:
    explicit Ruecksicherung(FileOperations& dateien);

    // Throws VarnoError with the reason when the backup cannot be restored; the logbook is then
    // unchanged and open again if it was open before.
    void zuruecksichern(const QString& sicherung, const QString& logbuch);

    static QString sicherheitskopie(const QString& logbuch);

private:
    void aufDenServer(const QString& sicherung, const QString& logbuch);
    // A checked copy of the backup, written beside the file `neben`.
    QString gepruefteKopie(const QString& sicherung, const QString& neben);
    void sicherheitskopieAnlegen(const QString& logbuch);
    void austauschen(const QString& kopie, const QString& logbuch);
    void vorherigenStandHerstellen(const QString& logbuch, bool hatteLogbuch, bool warOffen);

    FileOperations& dateien_;
};
