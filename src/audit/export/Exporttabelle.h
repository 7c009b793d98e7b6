#pragma once

#include "audit/export/Exportspalte.h"
#include "audit/export/Exportzeitraum.h"

#include <QString>

#include <functional>
#include <vector>

class CsvSchreiber;

// One CSV file of the auditor's export: what index.xml says about it and how its rows are
// written (the header row is written from the columns).
struct Exporttabelle {
    QString datei; // "fahrtenbuch.csv"
    QString name;
    QString beschreibung;
    std::vector<Exportspalte> spalten;
    // The first columns that together name a row; 0 for a table without such a key.
    int schluesselspalten = 0;
    std::function<void(CsvSchreiber&, const Exportzeitraum&)> zeilen;
};
