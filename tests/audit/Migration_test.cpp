#include "AltesLogbuch.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlStatement.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList altesFahrtenbuch = {
    QStringLiteral("INSERT INTO T_KFZ (KZuFzg, AnfKM, Eingabeart, KFZID) VALUES ('B-XY 1, Golf', 1000, 1, 3)"),
    QStringLiteral("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_an, Art, Zweck) "
                   "VALUES (2, '2005-12-24 00:00:00', '2005-12-24 00:00:00', 1000, 99, 1)"),
    QStringLiteral("INSERT INTO T_ORTE (Bezeichnung) VALUES ('Essen')"),
    QStringLiteral("INSERT INTO T_Kategorie (Bezeichnung) VALUES ('Standard')"),
    QStringLiteral("INSERT INTO T_Fahrer (Bezeichnung) VALUES ('Meier')"),
    QStringLiteral("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                   "Bemerkung) VALUES (2, '2006-03-01 08:00:00', '2006-03-01 09:00:00', 1000, 1050, 1, 1, 4, 1, 1, 1, "
                   "'Kunde')"),
    QStringLiteral("INSERT INTO T_basis (CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort, "
                   "Grund, Kat) VALUES ('42', '2006-03-02 12:00:00', '2006-03-02 07:10:05', 1050, NULL, 0, "
                   "'3 - B-XY 1, Golf', 0, 'U', 'Werk 2', '', '')"),
    QStringLiteral("INSERT INTO T_basis (CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort, "
                   "Grund, Kat, bearbeitet) VALUES ('42', '2006-03-02 12:00:00', '2006-03-02 08:10:05', 1060, "
                   "'2006-03-02 08:30:00', 1080, '3 - B-XY 1, Golf', 1, 'P', '', '', '', 1)"),
};

QStringList zeilen(const QString& sql)
{
    SqlStatement s(sql);
    s.exec();
    QStringList texte;
    while (s.next()) {
        QStringList felder;
        for (int spalte = 0; s.value(spalte).isValid(); ++spalte)
            felder << (s.value(spalte).isNull() ? QStringLiteral("NULL") : s.value(spalte).toString());
        texte << felder.join(QLatin1Char('|'));
    }
    return texte;
}

const QString fahrtenbuchInhalt = QStringLiteral("SELECT ID, KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, "
                                                 "Kategorie, Fahrer, Bemerkung FROM T_MIREL ORDER BY ID");
const QString rohfahrtenInhalt = QStringLiteral("SELECT ID, CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, "
                                                "KFZid, CF, Art, Ort, Grund, Kat, bearbeitet FROM T_basis ORDER BY ID");

} // namespace

TEST(Migration, LogbuchDesBisherigenSchemasBekommtDiePruefkette)
{
    QTemporaryDir verzeichnis;
    const QString pfad = altesLogbuch(verzeichnis.path());
    Logbuch::wieVorgefunden(pfad, Database::Access::ReadWrite);
    for (const QString& sql : altesFahrtenbuch)
        SqlStatement(sql).exec();
    const QStringList fahrtenVorher = zeilen(fahrtenbuchInhalt);
    const QStringList rohfahrtenVorher = zeilen(rohfahrtenInhalt);
    Database::schliessen();

    Clock::setFixed(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
    Logbuch::oeffnen(pfad);
    Clock::reset();

    EXPECT_EQ(SqlStatement::scalarInt("PRAGMA user_version"), Schema::currentVersion);
    EXPECT_EQ(zeilen(fahrtenbuchInhalt), fahrtenVorher);
    EXPECT_EQ(zeilen(rohfahrtenInhalt), rohfahrtenVorher);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Erfasst IS NULL"), 3);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis WHERE Erfasst IS NULL"), 2);
    EXPECT_EQ(zeilen(QStringLiteral("SELECT Zeit, Ereignis, Beschreibung FROM T_Protokoll")),
              QStringList{QStringLiteral("2024-03-01 10:00:00|Prüfkette begonnen|Prüfkette begonnen: 3 "
                                         "Fahrtenbucheinträge und 2 Rohfahrten, gespeichert vor Einführung der "
                                         "Prüfkette, sind in die Kette aufgenommen.")});

    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.eintraege(), 6);

    // A change to a row stored before the chain began is found like any other.
    SqlStatement("UPDATE T_MIREL SET km_an = 1049 WHERE ID = 3").exec();
    EXPECT_EQ(fahrtenbuchpruefung::pruefen().betroffeneFahrten(), QSet<qlonglong>{3});
    Database::schliessen();
}

TEST(Migration, SchreibgeschuetztesAltesLogbuchWirdMitGrundAbgelehnt)
{
    QTemporaryDir verzeichnis;
    const QString pfad = altesLogbuch(verzeichnis.path());
    try {
        Logbuch::oeffnen(pfad, Database::Access::ReadOnly);
        FAIL() << "keine Ausnahme";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().startsWith(QStringLiteral("Das Fahrtenbuch ist schreibgeschützt und stammt aus "
                                                               "einer älteren Programmversion (Schema 1)")))
            << fehler.message().toStdString();
    }
    EXPECT_FALSE(Database::isOpen());
}
