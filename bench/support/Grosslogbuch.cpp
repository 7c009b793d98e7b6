#include "Grosslogbuch.h"

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int fahrten = Grosslogbuch::fahrten;
constexpr int fahrzeuge = Grosslogbuch::fahrzeuge;
constexpr int fahrer = Grosslogbuch::fahrer;
constexpr int erstesFahrzeug = Grosslogbuch::erstesFahrzeug;

// One trip every 52 minutes per vehicle from 1 January 2015: 100,000 trips are almost 10 years.
void logbuchErzeugen()
{
    Transaction transaktion;
    for (int i = 0; i < fahrzeuge; ++i)
        SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKM, Eingabeart) VALUES (?, 0, 0)")
            .bind(QStringLiteral("B-VA %1, Fahrzeug").arg(i + 1))
            .exec();
    for (int i = 0; i < fahrer; ++i)
        SqlStatement("INSERT INTO T_Fahrer (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Fahrer %1").arg(i + 1))
            .exec();
    for (int i = 0; i < 50; ++i)
        SqlStatement("INSERT INTO T_ORTE (Bezeichnung) VALUES (?)").bind(QStringLiteral("Ort %1").arg(i + 1)).exec();
    for (int i = 0; i < 9; ++i)
        SqlStatement("INSERT INTO T_ZWECK (Bezeichnung) VALUES (?)").bind(QStringLiteral("Zweck %1").arg(i + 1)).exec();
    for (int i = 0; i < 5; ++i)
        SqlStatement("INSERT INTO T_Kategorie (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Kategorie %1").arg(i + 1))
            .exec();
    SqlStatement("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                 "INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung) SELECT ? + i % ?, "
                 "datetime('2015-01-01 06:00:00', '+' || ((i / ?) * 52) || ' minutes'), "
                 "datetime('2015-01-01 06:00:00', '+' || ((i / ?) * 52 + 30) || ' minutes'), "
                 "(i / ?) * 20, (i / ?) * 20 + 15, 1 + i % 50, 1 + (i * 7) % 50, 1 + i % 4, 1 + i % 10, "
                 "1 + i % 5, 1 + (i / ? + i % ?) % ?, CASE WHEN i % 13 = 0 THEN 'Stau' ELSE '' END FROM n")
        .bind(fahrten)
        .bind(erstesFahrzeug)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrer)
        .exec();
    transaktion.commit();
    SqlStatement("ANALYZE").exec();
}

} // namespace

Grosslogbuch::Grosslogbuch()
{
    datei_ = qEnvironmentVariable("VARNO_BENCH_DB", QDir(verzeichnis_.path()).filePath(QStringLiteral("varno.db")));
    if (QFileInfo::exists(datei_)) {
        Logbuch::oeffnen(datei_);
        return;
    }
    Logbuch::anlegen(datei_);
    logbuchErzeugen();
}

Grosslogbuch::~Grosslogbuch()
{
    Database::schliessen();
}
