#pragma once

#include <QString>

// The Prüfwert of the logbook noted with the occasion it was handed out on. A backup notes it
// before the copy is made, so the backup and the logbook both keep the value of that moment;
// `varno pruefen --gegen` confirms later that the logbook of that moment is still contained.
namespace pruefwertvermerk {

// The Prüfwert of the chains as T_Pruefkette notes them (16 hex digits).
QString aktuellerPruefwert();

// Notes the current Prüfwert with the time and the occasion ("Datensicherung <file>").
void vermerken(const QString& anlass);

} // namespace pruefwertvermerk
