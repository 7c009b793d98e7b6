#include "db/Database.h"
#include "db/SqlStatement.h"
#include "logbuch/Fahrzeuganlage.h"
#include "support/TestDatabase.h"
#include "support/ZweiBenutzer.h"

#include <gtest/gtest.h>

namespace {

int fahrzeugeMitKennzeichen(const QString& kennzeichen)
{
    return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ WHERE KZuFzg = ?", {kennzeichen});
}

NeuesFahrzeug fahrzeug(const QString& kennzeichen)
{
    return {.kennzeichen = kennzeichen, .start = QDateTime(QDate(2006, 3, 1), QTime(0, 0)), .anfkm = 500};
}

} // namespace

class Fahrzeuganlage : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(Fahrzeuganlage);

TEST_P(Fahrzeuganlage, VergebenesKennzeichenLegtNichtsAn)
{
    const int geschlossen = fahrzeuganlage::anlegen(fahrzeug(QStringLiteral("Z-ZU 9"))).value();
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(geschlossen).exec();
    ASSERT_TRUE(fahrzeuganlage::anlegen(fahrzeug(QStringLiteral("B-AB 1, Golf"))));
    const int fahrzeuge = SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ");
    const int fahrten = SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL");
    const int protokoll = SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll");

    // The delivered vehicle, the same plate, the same plate in other letter case, a closed vehicle's.
    for (const QString& vergeben : {QStringLiteral("Musterfahrzeug"), QStringLiteral("B-AB 1, Golf"),
                                    QStringLiteral("b-ab 1, golf"), QStringLiteral("Z-ZU 9")}) {
        EXPECT_EQ(fahrzeuganlage::anlegen(fahrzeug(vergeben)), std::nullopt) << vergeben.toStdString();
    }
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ"), fahrzeuge);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL"), fahrten);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"), protokoll);
}

// Two users type the same new plate at the same moment: one of them creates the vehicle, the other
// is told it is there, and the logbook holds it once with one start record.
TEST_P(Fahrzeuganlage, ZweiBenutzerLegenDasselbeKennzeichenEinmalAn)
{
    constexpr int runden = 8;
    for (int runde = 0; runde < runden; ++runde) {
        const QString kennzeichen = QStringLiteral("K-GLEICH %1").arg(runde);
        const auto ergebnisse =
            zweiBenutzerZugleich(db().ort(), [&](int) { return fahrzeuganlage::anlegen(fahrzeug(kennzeichen)); });

        EXPECT_NE(ergebnisse[0].has_value(), ergebnisse[1].has_value()) << kennzeichen.toStdString();
        EXPECT_EQ(fahrzeugeMitKennzeichen(kennzeichen), 1);
        const int id = ergebnisse[0].value_or(ergebnisse[1].value_or(0));
        EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = ? AND Art = 99", {id}), 1);
    }
}
