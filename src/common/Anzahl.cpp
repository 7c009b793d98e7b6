#include "common/Anzahl.h"

QString anzahl(long long zahl, const Zaehlwort& wort, Null null)
{
    if (zahl == 0 && null == Null::Keine)
        return QStringLiteral("keine ") + wort.mehrzahl;
    return QStringLiteral("%1 %2").arg(zahl).arg(zahl == 1 ? wort.einzahl : wort.mehrzahl);
}
