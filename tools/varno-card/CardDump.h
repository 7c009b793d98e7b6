#pragma once

#include "card/datafile/CardHeader.h"
#include "card/datafile/RecordArea.h"

#include <array>
#include <ostream>
#include <string>

// A card's contents decoded exactly as the import reads them: no time is empty, the status is "OK"
// or empty, a record without kind shows "U".
using RecordFields = std::array<std::string, 10>;
inline const RecordFields RecordHeadings = {"Startzeit", "Start-km", "Zielzeit", "Ziel-km", "KFZ-ID",
                                            "CF",        "Art",      "Ort",      "Grund",   "Kategorie"};

RecordFields recordFields(const cardfile::CardRecord& record);

// For people: the three numbered lists, one line per record, the blocks consumed.
void dumpText(const cardfile::CardLists& lists, const cardfile::RecordReading& reading, std::ostream& out);

// For programs: comma-separated with quoting, one row shape for everything. The first two columns
// say what a row is: "Orte"/"Gründe"/"Kategorien" and the entry number (its text in the column
// "Ort"/"Grund"/"Kategorie"), "Datensatz" and the block number, or "Blöcke" and the count.
void dumpCsv(const cardfile::CardLists& lists, const cardfile::RecordReading& reading, std::ostream& out);
