#pragma once

#include <QString>
#include <QStringList>

// Every row of every table of the logbook file at `pfad`, read on a connection of its own, one
// text per row prefixed with its table: two files with equal results hold the same data. The
// checksum a backup carries is no logbook data and is left out.
QStringList logbuchinhalt(const QString& pfad);
