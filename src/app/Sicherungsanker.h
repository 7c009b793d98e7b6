#pragma once

#include <QStringList>

// A backup's state, as its own chain notes give it, kept in the user's anchor file and in one
// beside the backup ("<backup>.pruefwerte.txt"), so the backup can be matched to the logbook
// later without either file. Returns what failed, in German.
QStringList sicherungFesthalten(const QString& sicherung);
