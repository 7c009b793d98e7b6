#include "Logbuchfahrten.h"

#include "logbuch/kette/Fahrtfassung.h"
#include "db/SqlStatement.h"

namespace logbuchfahrten {

fahrtspeicherung::Auftrag auftrag(int kfz, const QDateTime& ab, const QDateTime& an, int kmAb, int kmAn)
{
    return {.fahrzeug = kfz,
            .abDat = ab,
            .anDat = an,
            .kmAb = kmAb,
            .kmAn = kmAn,
            .von = QStringLiteral("Werk"),
            .nach = QStringLiteral("Kunde"),
            .art = 4,
            .zweck = QStringLiteral("keine Angabe"),
            .kategorie = QStringLiteral("Standard"),
            .fahrer = QStringLiteral("keine Angabe")};
}

QStringList aktuelle(bool mitFahrzeug)
{
    SqlStatement s(QStringLiteral("SELECT KFZ, km_ab, km_an FROM T_MIREL m WHERE Art <> 99 AND %1 ORDER BY KFZ, AbDat")
                       .arg(fahrtfassung::aktuell(QStringLiteral("m"))));
    s.exec();
    QStringList fahrten;
    while (s.next()) {
        const QString km = QStringLiteral("%1-%2").arg(s.value(1).toInt()).arg(s.value(2).toInt());
        fahrten << (mitFahrzeug ? QStringLiteral("%1:%2").arg(s.value(0).toInt()).arg(km) : km);
    }
    return fahrten;
}

} // namespace logbuchfahrten
