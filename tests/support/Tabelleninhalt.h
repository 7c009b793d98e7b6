#pragma once

#include <QStringList>

// Every row of every table of the open logbook, whichever engine holds it: one text per row,
// "<table>|<value>|...", columns in the order of the table definition, rows sorted. Two logbooks
// with equal results hold the same data. The server's own row numbers (rowid) are left out.
QStringList tabelleninhalt();
