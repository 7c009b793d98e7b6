#pragma once

#include <QString>
#include <QVariant>

#include <map>
#include <optional>
#include <vector>

// Reads an export the way an auditor's software does: everything about each file (encoding,
// bytes to skip, first record, delimiters, encapsulator, decimal and grouping symbols, column
// names and types) is taken from index.xml alone, never from knowing how Varno writes.
namespace beschreibungsleser {

// One record: each column's value by its name, typed as index.xml says (Numeric: qint64 or
// double, Date: QDateTime, AlphaNumeric: QString); an empty field is a null QVariant.
using Datensatz = std::map<QString, QVariant>;

struct Tabelle {
    QString url;
    QString name;
    std::vector<QString> spalten;
    std::vector<Datensatz> datensaetze;
};

// Every table index.xml in `ordner` describes, in its order; what does not fit the description
// is reported as a failure of the running test.
std::vector<Tabelle> lesen(const QString& ordner);

const Tabelle* tabelle(const std::vector<Tabelle>& tabellen, const QString& url);

} // namespace beschreibungsleser
