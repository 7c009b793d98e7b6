#pragma once

#include "audit/Pruefergebnis.h"

#include <QString>

#include <optional>

// The check of a logbook file other than the open one, a backup above all. It runs on a thread of
// its own, whose connection is that file's, so the open logbook (a file or a server) stays as it is.
namespace dateipruefung {

// The file's chains recomputed from its content, the file left unchanged; none when the file has no
// chains yet (a logbook from before them). Throws VarnoError when it cannot be read.
std::optional<Pruefergebnis> pruefen(const QString& pfad);

} // namespace dateipruefung
