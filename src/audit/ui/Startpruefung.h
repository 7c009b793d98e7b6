#pragma once

class Pruefstand;

// The check when the program starts with a logbook: silent while every entry is unchanged, a
// warning box naming the first findings when the chain is broken or the file cannot be read, and
// one when the state last noted outside the logbook (pruefwerte.txt) is no longer in it.
namespace startpruefung {

void pruefenUndWarnen(Pruefstand& stand);

} // namespace startpruefung
