#pragma once

#include <QString>

// Writes the Verfahrensdokumentation of the open logbook as a PDF file: how the logbook is kept,
// filled in from its actual state, with marked places the business completes. Throws VarnoError
// with a German message when the file cannot be written, DatabaseError when the logbook cannot
// be read.
namespace verfahrensdokumentation {

void schreiben(const QString& pfad);

} // namespace verfahrensdokumentation
