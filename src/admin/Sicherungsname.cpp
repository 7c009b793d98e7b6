#include "admin/Sicherungsname.h"

#include <QDir>

namespace sicherungsname {

QString dateiname(const QString& verzeichnis, const QDateTime& zeitpunkt)
{
    return verzeichnis + zeitpunkt.toString(QStringLiteral("yyyyMMdd_HHmmss")) + QStringLiteral(".sav");
}

QString verzeichnisMitTrennzeichen(const QString& ordner)
{
    const QString trennzeichen = QDir::separator();
    return ordner.endsWith(trennzeichen) ? ordner : ordner + trennzeichen;
}

} // namespace sicherungsname
