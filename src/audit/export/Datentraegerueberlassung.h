#pragma once

#include "audit/export/Exportzeitraum.h"

#include <QString>

#include <functional>
#include <optional>

// The data an auditor is handed (Datenträgerüberlassung): the logbook of a period with its master
// tables, raw trips, protocol and anchors as CSV files, described by index.xml after the
// Beschreibungsstandard, with the standard's DTD beside it, all in a folder of its own.
namespace datentraegerueberlassung {

// Why the folder cannot take the export, in German: it is not a folder, or not empty. None when
// it is new or an empty folder.
std::optional<QString> zielMangel(const QString& ordner);

// Writes everything into a hidden folder beside `ordner`, read from one state of the logbook, and
// gives it the name `ordner` only when all is written: a failure leaves nothing behind.
// `fortschritt` hears the percentage done. Throws VarnoError (German) or DatabaseError.
void schreiben(const QString& ordner, const Exportzeitraum& zeitraum,
               const std::function<void(int prozent)>& fortschritt = {});

} // namespace datentraegerueberlassung
