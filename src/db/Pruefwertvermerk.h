#pragma once

#include <QString>

// The Prüfwert the open logbook hands out (printed on reports, kept with backups).
namespace pruefwertvermerk {

// The Prüfwert of the chains as T_Pruefkette notes them (16 hex digits).
QString aktuellerPruefwert();

} // namespace pruefwertvermerk
