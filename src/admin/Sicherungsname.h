#pragma once

#include <QDateTime>
#include <QString>

namespace sicherungsname {

// The backup file for a moment: the directory text, then yyyymmdd_hhmmss.sav. The directory is
// used as it stands, so one without a trailing separator runs on into the name.
QString dateiname(const QString& verzeichnis, const QDateTime& zeitpunkt);

// A chosen folder as the backup directory keeps it: with one trailing separator.
QString verzeichnisMitTrennzeichen(const QString& ordner);

} // namespace sicherungsname
