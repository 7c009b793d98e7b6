#pragma once

#include "audit/export/Exporttabelle.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The description of a data export after the tax administration's Beschreibungsstandard: an
// index.xml that tells the auditor's software how to read each CSV file, and the standard's DTD
// that must lie beside it.
//
// Every file is UTF-8 with a byte order mark (skipped by SkipNumBytes), ";" between fields, CRLF
// after each record, text in double quotes when it needs them, a header row (skipped by Range),
// whole numbers without digit grouping, and date-times as DD.MM.YYYY hh:mm:ss.
namespace beschreibungsstandard {

inline constexpr char dtdName[] = "gdpdu-01-09-2004.dtd";
inline constexpr char indexName[] = "index.xml";

// Who hands the data over and what it is, for DataSupplier and Media.
struct Lieferung {
    QString lieferant;
    QString ort;
    QString kommentar;
    QString medium;
};

QByteArray indexXml(const std::vector<Exporttabelle>& tabellen, const Exportzeitraum& zeitraum,
                    const Lieferung& lieferung);

// The DTD as the standard publishes it, byte for byte.
QByteArray dtd();

} // namespace beschreibungsstandard
