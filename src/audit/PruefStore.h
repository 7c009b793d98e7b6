#pragma once

#include "audit/Kettenpruefer.h"
#include "logbuch/kette/Fahrtnamen.h"

class Rohabfrage;

#include <QDateTime>
#include <QString>

#include <functional>
#include <limits>
#include <memory>
#include <optional>

// What the check of the chains reads: every chained row with the value its content gives now, and
// the words that name a row in a finding.
namespace PruefStore {

// Every row of the chain in ID order. The row handed over is valid during the call only.
void zeilenLesen(pruefkette::Kette kette, const std::function<void(const Kettenpruefer::Zeile&)>& zeile);

// The IDs of the master table a logbook row names by that field.
QSet<qint64> stammIds(fahrtnamen::Feld feld);

// The row in words: vehicle, date and time ("Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2024 08:00").
QString zeilenname(pruefkette::Kette kette, qlonglong id);

// The rows of one chain that carry values, in ID order up to (not including) a given ID, each with
// its number in the order of storing and its value: what the search for an earlier state walks.
class Gliederleser {
public:
    // `vorId`: the rows before that key only; ganzeKette: every row.
    static constexpr qlonglong ganzeKette = std::numeric_limits<qlonglong>::max();
    Gliederleser(pruefkette::Kette kette, qlonglong vorId);
    ~Gliederleser();
    Gliederleser(const Gliederleser&) = delete;
    Gliederleser& operator=(const Gliederleser&) = delete;

    // Moves to the next row; false at the end.
    bool weiter();
    qint64 laufnr() const;
    QByteArray pruefwert() const;

private:
    std::unique_ptr<Rohabfrage> abfrage_;
};

// The chain's value after its first `anzahl` rows that carry values, as stored; none when the
// chain has fewer rows.
std::optional<QByteArray> wertNach(pruefkette::Kette kette, qint64 anzahl);

// When the chains began: the time of the protocol's entry "Prüfkette begonnen", itself chained;
// none when that entry is gone.
std::optional<QDateTime> kettenbeginn();

// The schema version of the open file (PRAGMA user_version).
int schemaversion();

// A text that changes whenever the chains may have changed: a commit of any other connection or
// program (SQLite's data version), a row this program appended, or another file opened. Two equal
// texts mean the chains need no new check.
QString datenstand();

} // namespace PruefStore
