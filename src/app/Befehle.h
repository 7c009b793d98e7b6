#pragma once

#include "network/Zeitstempelung.h"
#include "start/Startdateipruefung.h"

#include <QStringList>

#include <optional>

class QTextStream;
class VolumeSerial;

namespace befehlszeile {
struct Aufruf;
}

// Runs what "varno" is asked for on the command line (everything but starting the windows) with
// the same use cases and stores as the windows, and answers with the exit code.
class Befehle {
public:
    static constexpr int erfolg = 0;
    // One German line on the error output says why.
    static constexpr int fehlschlag = 1;
    static constexpr int falscheArgumente = 2;

    Befehle(QTextStream& aus, QTextStream& fehler, const VolumeSerial& kartenkennung);

    int ausfuehren(const QStringList& argumente);

    // Tests put in a check that sees a write-protected file where the system does not.
    void setStartdateipruefung(Startdateipruefung pruefung) { startpruefung_ = std::move(pruefung); }

private:
    int ausfuehren(const befehlszeile::Aufruf& aufruf);
    void logbuchOeffnen(const befehlszeile::Aufruf& aufruf);
    void exportieren(const befehlszeile::Aufruf& aufruf);
    void betriebspruefung(const befehlszeile::Aufruf& aufruf);
    void verfahrensdokumentation(const befehlszeile::Aufruf& aufruf);
    void sichern(const befehlszeile::Aufruf& aufruf);
    void zeitstempelMelden(const std::optional<zeitstempelung::Ergebnis>& zeitstempel, const QString& aufruf);
    void serverBenutzer(const befehlszeile::Aufruf& aufruf);
    int pruefen(const befehlszeile::Aufruf& aufruf);
    int neueDatenbank(const QString& pfad);

    QTextStream& aus_;
    QTextStream& fehler_;
    const VolumeSerial& kartenkennung_;
    Startdateipruefung startpruefung_;
};
