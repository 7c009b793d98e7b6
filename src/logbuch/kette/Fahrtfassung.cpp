#include "logbuch/kette/Fahrtfassung.h"

#include "db/SqlDate.h"

namespace fahrtfassung {

QString keineStornierung(const QString& alias)
{
    return alias + QStringLiteral(".Storniert = 0");
}

QString nichtErsetzt(const QString& alias)
{
    // Uncorrelated, so the engine reads the few replaced rows once per statement.
    return alias + QStringLiteral(".ID NOT IN (SELECT ErsetztID FROM T_MIREL WHERE ErsetztID IS NOT NULL)");
}

QString aktuell(const QString& alias)
{
    return keineStornierung(alias) + QStringLiteral(" AND ") + nichtErsetzt(alias);
}

QString erfasst(const QVariant& gespeichert)
{
    return gespeichert.isNull() ? QStringLiteral("vor Einführung der Prüfkette") : sqldate::germanDateTime(gespeichert);
}

} // namespace fahrtfassung
