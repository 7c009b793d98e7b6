#include "Korrekturtest.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/VarnoError.h"
#include "db/SqlStatement.h"

#include <gtest/gtest.h>

// A km typo corrected in the middle of the logbook: the following trip moves with it in the same
// transaction, or nothing is stored at all.
namespace {

class Korrekturnachbarn : public Korrekturtest {
protected:
    void fahrtenAnlegen() override
    {
        kfz = build::fahrzeug({.anfKm = 1000});
        erste = build::fahrt({.kfz = kfz, .ab = am(1), .an = am(1, 9), .kmAb = 1000, .kmAn = 1250});
        zweite = build::fahrt({.kfz = kfz, .ab = am(2), .an = am(2, 9), .kmAb = 1250, .kmAn = 1300});
    }

    // The first trip with its arrival typo mended: 25 km, not 250.
    fahrtspeicherung::Auftrag berichtigt() const { return logbuchfahrten::auftrag(kfz, am(1), am(1, 9), 1000, 1025); }

    int kfz = 0;
    int erste = 0;
    int zweite = 0;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(Korrekturnachbarn);

TEST_P(Korrekturnachbarn, FolgefahrtWirdMitDemselbenGrundMitkorrigiert)
{
    const auto befund = KorrekturStore::nachbarbefund(erste, berichtigt());
    ASSERT_TRUE(befund.folgefahrt);
    EXPECT_EQ(befund.folgefahrt->id, zweite);

    KorrekturStore::korrigieren(erste, berichtigt(), QStringLiteral("Tippfehler"), true);
    EXPECT_EQ(aktuelleKm(), (QStringList{QStringLiteral("1000-1025"), QStringLiteral("1025-1300")}));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE Grund = 'Tippfehler'")), 2);
    EXPECT_FALSE(KorrekturStore::aktuell(zweite));
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_P(Korrekturnachbarn, OhneZustimmungWirdNichtsGespeichert)
{
    try {
        KorrekturStore::korrigieren(erste, berichtigt(), QStringLiteral("Tippfehler"));
        FAIL() << "gespeichert";
    } catch (const VarnoError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Fahrt vom 01.03.2006 08:00, B-XY 1, Golf: die folgende Fahrt "
                                                   "müsste bei km 1025 beginnen und mitkorrigiert werden. Es wurde "
                                                   "nichts gespeichert."));
    }
    EXPECT_EQ(aktuelleKm(), (QStringList{QStringLiteral("1000-1250"), QStringLiteral("1250-1300")}));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Protokoll WHERE Ereignis = 'Korrektur'")),
              0);
}

TEST_P(Korrekturnachbarn, UeberschneidungWirdAbgelehnt)
{
    fahrtspeicherung::Auftrag neu = berichtigt();
    neu.kmAn = 1250;
    neu.anDat = am(2).addSecs(600);
    EXPECT_THROW(KorrekturStore::korrigieren(erste, neu, QStringLiteral("Uhrzeit"), true), VarnoError);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL")), 0);
}
