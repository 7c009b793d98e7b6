#pragma once

#include <QStringList>

#include <optional>

// What the four buttons beside a card list do to its entries. `zeile` is the card list's current
// row (-1 when none is selected). Each returns the row to select afterwards, or nothing when the
// list stays as it was.
namespace kartenliste {

// "<--": the name replaces the entry of the current row.
std::optional<int> uebernehmen(QStringList& eintraege, int zeile, const QString& name);

// "höher": the entry changes places with the one above.
std::optional<int> hoeher(QStringList& eintraege, int zeile);

// "tiefer": the entry changes places with the one below.
std::optional<int> tiefer(QStringList& eintraege, int zeile);

// "löschen": the entries below move up by one and the last row becomes empty.
std::optional<int> loeschen(QStringList& eintraege, int zeile);

} // namespace kartenliste
