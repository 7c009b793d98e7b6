#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

// The fields of one trip as the trip entry shows them; the details and the correction of a
// stored trip show the same fields the same way.
namespace eingabefelder {

// A time field "hh:mm" with its input mask, named `name`.
QLineEdit* zeitEingabe(const char* name);
// An editable selection list whose typed text the window completes itself, named `name`.
QComboBox* auswahl(const char* name);

struct Fahrtfelder {
    QWidget* abfahrt;
    QWidget* ankunft;
    QWidget* von;
    QWidget* nach;
    QWidget* kmStand;
    QWidget* km;
    QWidget* zweck;
    QWidget* kategorie;
    QWidget* fahrer;
};

// The fields one below the other, each with its label ("Abfahrt:", ..., "Fahrer:").
QFormLayout* formular(const Fahrtfelder& felder);

} // namespace eingabefelder
