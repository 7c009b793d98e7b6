#include "Korrekturtest.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/Clock.h"
#include "common/VarnoError.h"
#include "db/SqlStatement.h"

#include <gtest/gtest.h>

// A forgotten trip entered later in the middle of the logbook: checked against the trips around it,
// stored with the time it was entered, or nothing is stored.
namespace {

class Nachtrag : public Korrekturtest {
protected:
    void fahrtenAnlegen() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 20), QTime(10, 0)));
        golf = build::fahrzeug({.anfKm = 1000});
        // The trip of 3 March began where the one of 1 March ended: the forgotten one of 2 March
        // was counted in it.
        build::fahrt({.kfz = golf, .ab = am(1), .an = am(1, 9), .kmAb = 1000, .kmAn = 1050});
        folgende = build::fahrt({.kfz = golf, .ab = am(3), .an = am(3, 9), .kmAb = 1050, .kmAn = 1120});
    }
    void TearDown() override
    {
        Clock::reset();
        BeideDatenbanken::TearDown();
    }

    fahrtspeicherung::Auftrag vergessen() const { return logbuchfahrten::auftrag(golf, am(2), am(2, 9), 1050, 1080); }

    int golf = 0;
    int folgende = 0;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(Nachtrag);

TEST_P(Nachtrag, ZwischenDenNachbarnMitErfassungszeitUndDerFolgendenBerichtigt)
{
    Clock::setFixed(QDateTime(QDate(2006, 3, 20), QTime(17, 30)));
    const auto befund = KorrekturStore::nachtragbefund(vergessen());
    ASSERT_TRUE(befund.folgefahrt);
    EXPECT_EQ(befund.folgefahrt->id, folgende);
    const qlonglong id = KorrekturStore::nachtragen(vergessen(), true);

    EXPECT_EQ(aktuelleKm(),
              (QStringList{QStringLiteral("1000-1050"), QStringLiteral("1050-1080"), QStringLiteral("1080-1120")}));
    EXPECT_EQ(KorrekturStore::fassung(static_cast<int>(id))->erfasst, QStringLiteral("20.03.2006 17:30:00"));
    EXPECT_TRUE(KorrekturStore::nachgetragen(static_cast<int>(id)));
    EXPECT_FALSE(KorrekturStore::nachgetragen(folgende));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID = ? AND Grund = ?"),
                                      {folgende, QStringLiteral("Fahrt vom 02.03.2006 08:00 nachgetragen")}),
              1);
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_P(Nachtrag, AbgelehntWirdNichtsGespeichert)
{
    const struct {
        const char* name;
        std::function<void(fahrtspeicherung::Auftrag&)> aendern;
        bool folgefahrtMitkorrigieren;
        QString regel;
    } faelle[] = {
        {"Ueberschneidung", [](auto& a) { a.abDat = am(1, 8).addSecs(1800); }, true,
         QStringLiteral("sie beginnt vor der Ankunft der Fahrt davor (01.03.2006 09:00).")},
        {"KmRueckwaerts", [](auto& a) { a.kmAb = 1040; }, true,
         QStringLiteral("ihr km-Stand bei Abfahrt (1040) liegt unter dem km-Stand bei Ankunft der Fahrt davor "
                        "(1050).")},
        {"FolgendeOhneZustimmung", [](auto&) {}, false,
         QStringLiteral("die folgende Fahrt müsste bei km 1080 beginnen und mitkorrigiert werden.")},
    };
    const int zeilen = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL"));
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fahrtspeicherung::Auftrag neu = vergessen();
        fall.aendern(neu);
        try {
            KorrekturStore::nachtragen(neu, fall.folgefahrtMitkorrigieren);
            ADD_FAILURE() << "gespeichert";
        } catch (const VarnoError& fehler) {
            EXPECT_EQ(fehler.message(),
                      QStringLiteral("Nachgetragene %1, B-XY 1, Golf: %2 Es wurde nichts gespeichert.")
                          .arg(nachbarpruefung::fahrtVom(neu.abDat), fall.regel));
        }
    }
    EXPECT_EQ(aktuelleKm(), (QStringList{QStringLiteral("1000-1050"), QStringLiteral("1050-1120")}));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL")), zeilen);
}

TEST_P(Nachtrag, NichtFuerFahrzeugeMitSpeicherkarte)
{
    const int karte = build::fahrzeug({.kennzeichen = QStringLiteral("M-CD 3, Sprinter"), .eingabeart = 1});
    fahrtspeicherung::Auftrag neu = vergessen();
    neu.fahrzeug = karte;
    const int zeilen = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL"));
    EXPECT_EQ(KorrekturStore::nachtragbefund(neu).ablehnung,
              QStringLiteral("die Fahrten von M-CD 3, Sprinter kommen von der Speicherkarte."));
    EXPECT_THROW(KorrekturStore::nachtragen(neu, true), VarnoError);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL")), zeilen);
}
