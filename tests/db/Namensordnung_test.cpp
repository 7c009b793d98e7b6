#include "db/Namensordnung.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList orteInSqlReihenfolge()
{
    SqlStatement s(
        QStringLiteral("SELECT Bezeichnung FROM T_ORTE ORDER BY %1").arg(namensordnung::spalte(u"Bezeichnung")));
    s.exec();
    QStringList namen;
    while (s.next())
        namen << s.text("Bezeichnung");
    return namen;
}

} // namespace

class DeutscheNamensordnung : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(DeutscheNamensordnung);

TEST_P(DeutscheNamensordnung, SortiertWieEinDeutschesVerzeichnis)
{
    QStringList namen = {"Zoo",    "keine Angabe", "Ärztehaus", "10. Werk", "Büro", "Buchhandlung", "Straße",
                         "Strand", "2. Werk",      "Apotheke",  "Öko",      "Ofen", "bahnhof"};
    for (const QString& name : namen)
        build::ort(name);
    // Digits first, umlauts beside their base letters, small and capital letters alike.
    const QStringList erwartet = {"10. Werk",     "2. Werk", "Apotheke", "Ärztehaus", "bahnhof", "Buchhandlung", "Büro",
                                  "keine Angabe", "Ofen",    "Öko",      "Strand",    "Straße",  "Zoo"};
    EXPECT_EQ(orteInSqlReihenfolge(), erwartet);

    std::sort(namen.begin(), namen.end(),
              [](const QString& a, const QString& b) { return namensordnung::vergleichen(a, b) < 0; });
    EXPECT_EQ(namen, erwartet);
}

struct VergleichFall {
    const char* gespeichert;
    const char* getippt;
    bool gleich;
};

class NamenVergleich : public ::testing::TestWithParam<std::tuple<VergleichFall, Datenbankart>> {};

TEST_P(NamenVergleich, FindetDenNamenUnabhaengigVonGrossUndKlein)
{
    const auto& [fall, art] = GetParam();
    if (testserver::fehltFuer(art))
        GTEST_SKIP() << testserver::fehlt;
    TestDatabase db(art);
    build::ort(QString::fromUtf8(fall.gespeichert));
    const QString getippt = QString::fromUtf8(fall.getippt);
    const int treffer = SqlStatement::scalarInt(
        QStringLiteral("SELECT COUNT(*) FROM T_ORTE WHERE %1 = ?").arg(namensordnung::spalte(u"Bezeichnung")),
        {getippt});
    EXPECT_EQ(treffer, fall.gleich ? 1 : 0);
    EXPECT_EQ(namensordnung::gleich(QString::fromUtf8(fall.gespeichert), getippt), fall.gleich);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, NamenVergleich,
    ::testing::Combine(
        ::testing::Values(VergleichFall{"Büro", "büro", true}, VergleichFall{"Büro", "BÜRO", true},
                          VergleichFall{"Büro", "Buro", false}, VergleichFall{"Ärztehaus", "ärztehaus", true},
                          VergleichFall{"Ärztehaus", "Arztehaus", false}, VergleichFall{"Gruß", "gruß", true},
                          VergleichFall{"Gruß", "Gru", false}, VergleichFall{"Köln-Süd", "KÖLN-SÜD", true},
                          VergleichFall{"2. Werk", "2. werk", true}, VergleichFall{"2. Werk", "2.Werk", false},
                          VergleichFall{"keine Angabe", "Keine Angabe", true}),
        ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL)));
