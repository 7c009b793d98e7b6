#pragma once

#include "entry/ui/Fahrtfelder.h"

class QComboBox;
class QFormLayout;
class QLineEdit;

// The fields of one trip as the trip entry shows them; the details and the correction of a
// stored trip show the same fields the same way.
namespace eingabefelder {

// A time field "hh:mm" with its input mask, named `name`.
QLineEdit* zeitEingabe(const char* name);
// An editable selection list whose typed text the window completes itself, named `name`.
QComboBox* auswahl(const char* name);

// The fields from departure to driver one below the other, each with its label ("Abfahrt:", ..., "Fahrer:").
QFormLayout* formular(const Fahrtfelder& felder);

} // namespace eingabefelder
