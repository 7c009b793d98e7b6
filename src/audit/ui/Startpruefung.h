#pragma once

class Pruefstand;

// The check when the program starts with a logbook: silent while every entry is unchanged, a
// warning box naming the first findings when the chain is broken or the file cannot be read.
namespace startpruefung {

void pruefenUndWarnen(Pruefstand& stand);

} // namespace startpruefung
