#include "Korrekturtest.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/VarnoError.h"
#include "db/SqlStatement.h"

#include <gtest/gtest.h>

// A trip stored under the wrong vehicle: cancelled there and stored under the other one, checked
// there, in one transaction, or nothing is stored at all.
namespace {

class Fahrzeugwechsel : public Korrekturtest {
protected:
    void fahrtenAnlegen() override
    {
        golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf"), .anfKm = 1000});
        passat = build::fahrzeug({.kennzeichen = QStringLiteral("K-AB 2, Passat"), .anfKm = 5000});
        // The Passat's trip of 2 March landed under the Golf; the Passat's logbook has a gap for it.
        build::fahrt({.kfz = golf, .ab = am(1), .an = am(1, 9), .kmAb = 1000, .kmAn = 1050});
        verirrt = build::fahrt({.kfz = golf, .ab = am(2), .an = am(2, 9), .kmAb = 5100, .kmAn = 5150});
        build::fahrt({.kfz = passat, .ab = am(1), .an = am(1, 9), .kmAb = 5000, .kmAn = 5100});
        build::fahrt({.kfz = passat, .ab = am(3), .an = am(3, 9), .kmAb = 5150, .kmAn = 5200});
    }

    fahrtspeicherung::Auftrag unterDemPassat() const
    {
        return logbuchfahrten::auftrag(passat, am(2), am(2, 9), 5100, 5150);
    }

    // "KFZ:km_ab-km_an" of every current trip, by vehicle and departure.
    static QStringList aktuelleFahrten() { return logbuchfahrten::aktuelle(true); }

    static int protokolleintraege()
    {
        return SqlStatement::scalarInt(
            QStringLiteral("SELECT COUNT(*) FROM T_Protokoll WHERE Ereignis IN ('Korrektur', 'Stornierung')"));
    }

    QString ablehnung(const fahrtspeicherung::Auftrag& neu)
    {
        try {
            KorrekturStore::umsetzen(verirrt, neu, QStringLiteral("falsches Fahrzeug"));
        } catch (const VarnoError& fehler) {
            return fehler.message();
        }
        return QString();
    }

    int golf = 0;
    int passat = 0;
    int verirrt = 0;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(Fahrzeugwechsel);

TEST_P(Fahrzeugwechsel, StorniertBeimEinenUndSpeichertBeimAnderen)
{
    const QStringList vorher = aktuelleFahrten();
    const qlonglong neu = KorrekturStore::umsetzen(verirrt, unterDemPassat(), QStringLiteral("falsches Fahrzeug"));

    EXPECT_EQ(aktuelleFahrten(),
              (QStringList{QStringLiteral("%1:1000-1050").arg(golf), QStringLiteral("%1:5000-5100").arg(passat),
                           QStringLiteral("%1:5100-5150").arg(passat), QStringLiteral("%1:5150-5200").arg(passat)}));
    EXPECT_NE(aktuelleFahrten(), vorher);
    EXPECT_EQ(KorrekturStore::fassung(static_cast<int>(neu))->fahrzeug, QStringLiteral("K-AB 2, Passat"));
    EXPECT_EQ(SqlStatement::scalarInt(
                  QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID = ? AND Storniert = 1 AND Grund = ?"),
                  {verirrt, QStringLiteral("falsches Fahrzeug")}),
              1);
    SqlStatement protokoll(
        QStringLiteral("SELECT Beschreibung FROM T_Protokoll WHERE Ereignis IN ('Korrektur', 'Stornierung')"));
    protokoll.exec();
    ASSERT_TRUE(protokoll.next());
    EXPECT_EQ(protokoll.value(0).toString(),
              QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf storniert und unter K-AB 2, Passat neu "
                             "gespeichert. Grund: falsches Fahrzeug"));
    EXPECT_EQ(protokolleintraege(), 1);
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_P(Fahrzeugwechsel, BeimAnderenAbgelehntBleibtDieFahrtUnstorniert)
{
    const struct {
        const char* name;
        std::function<void(fahrtspeicherung::Auftrag&)> aendern;
        QString regel;
    } faelle[] = {
        {"UeberschneidetDieFahrtDavor", [](auto& a) { a.abDat = am(1, 8).addSecs(1800); },
         QStringLiteral("sie beginnt vor der Ankunft der Fahrt davor (01.03.2006 09:00).")},
        {"UeberschneidetDieFolgende", [](auto& a) { a.anDat = am(3, 9); },
         QStringLiteral("sie endet nach der Abfahrt der folgenden Fahrt (03.03.2006 08:00).")},
        {"KmRueckwaerts", [](auto& a) { a.kmAb = 5090; },
         QStringLiteral("ihr km-Stand bei Abfahrt (5090) liegt unter dem km-Stand bei Ankunft der Fahrt davor "
                        "(5100).")},
        {"KmUeberDerFolgendenAnkunft", [](auto& a) { a.kmAn = 5250; },
         QStringLiteral("ihr km-Stand bei Ankunft (5250) liegt über dem km-Stand bei Ankunft der folgenden Fahrt "
                        "(5200).")},
        {"FolgendeMuessteMitkorrigiertWerden", [](auto& a) { a.kmAn = 5170; },
         QStringLiteral("die folgende Fahrt müsste bei km 5170 beginnen und mitkorrigiert werden.")},
        {"DasselbeFahrzeug", [this](auto& a) { a.fahrzeug = golf; },
         QStringLiteral("sie ist bereits bei diesem Fahrzeug.")},
    };
    const QStringList vorher = aktuelleFahrten();
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fahrtspeicherung::Auftrag neu = unterDemPassat();
        fall.aendern(neu);
        const QString ziel = neu.fahrzeug == golf ? QStringLiteral("B-XY 1, Golf") : QStringLiteral("K-AB 2, Passat");
        EXPECT_EQ(ablehnung(neu), QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf unter %1: %2 Es wurde "
                                                 "nichts gespeichert.")
                                      .arg(ziel, fall.regel));
        EXPECT_EQ(KorrekturStore::umsetzbefund(verirrt, neu).ablehnung.has_value(),
                  !fall.regel.startsWith(QStringLiteral("die folgende")));
    }
    EXPECT_TRUE(KorrekturStore::aktuell(verirrt));
    EXPECT_EQ(aktuelleFahrten(), vorher);
    EXPECT_EQ(protokolleintraege(), 0);
}

TEST_P(Fahrzeugwechsel, FolgendeFahrtBeimAnderenWirdMitDemselbenGrundMitkorrigiert)
{
    fahrtspeicherung::Auftrag neu = unterDemPassat();
    neu.kmAn = 5170;
    KorrekturStore::umsetzen(verirrt, neu, QStringLiteral("falsches Fahrzeug"), true);
    EXPECT_TRUE(aktuelleFahrten().contains(QStringLiteral("%1:5170-5200").arg(passat)));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE Grund = ?"),
                                      {QStringLiteral("falsches Fahrzeug")}),
              2);
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_P(Fahrzeugwechsel, KartenfahrtenBleibenBeimFahrzeugIhresFahrtenschreibers)
{
    const int karte = build::fahrzeug({.kennzeichen = QStringLiteral("M-CD 3, Sprinter"), .eingabeart = 1});
    const int kartenfahrt = build::fahrt({.kfz = karte, .ab = am(2), .an = am(2, 9), .kmAb = 100, .kmAn = 150});
    fahrtspeicherung::Auftrag vonDerKarte = unterDemPassat();
    vonDerKarte.kmAb = 100;
    vonDerKarte.kmAn = 150;
    EXPECT_THROW(KorrekturStore::umsetzen(kartenfahrt, vonDerKarte, QStringLiteral("falsches Fahrzeug")), VarnoError);
    fahrtspeicherung::Auftrag zurKarte = unterDemPassat();
    zurKarte.fahrzeug = karte;
    EXPECT_EQ(ablehnung(zurKarte), QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf unter M-CD 3, Sprinter: "
                                                  "die Fahrten von M-CD 3, Sprinter kommen von der Speicherkarte. Es "
                                                  "wurde nichts gespeichert."));
    EXPECT_TRUE(KorrekturStore::aktuell(kartenfahrt));
    EXPECT_TRUE(KorrekturStore::aktuell(verirrt));
}

TEST_P(Fahrzeugwechsel, ScheitertDasSpeichernBeimAnderenBleibtAllesWieVorher)
{
    // The new trip's row cannot be written (a full disk, a lost connection): the cancellation
    // written before it goes too.
    if (GetParam() == Datenbankart::SQLite) {
        SqlStatement::direkt(QStringLiteral("CREATE TRIGGER kaputt BEFORE INSERT ON T_MIREL WHEN NEW.KFZ = %1 "
                                            "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
                                 .arg(passat));
    } else {
        SqlStatement::direkt(QStringLiteral("CREATE FUNCTION kaputt() RETURNS trigger LANGUAGE plpgsql AS "
                                            "$$BEGIN RAISE EXCEPTION 'Platte voll'; END$$"));
        SqlStatement::direkt(QStringLiteral("CREATE TRIGGER kaputt BEFORE INSERT ON T_MIREL FOR EACH ROW WHEN "
                                            "(NEW.KFZ = %1) EXECUTE FUNCTION kaputt()")
                                 .arg(passat));
    }
    const QStringList vorher = aktuelleFahrten();
    EXPECT_ANY_THROW(KorrekturStore::umsetzen(verirrt, unterDemPassat(), QStringLiteral("falsches Fahrzeug")));
    EXPECT_EQ(aktuelleFahrten(), vorher);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL")), 0);
    EXPECT_EQ(protokolleintraege(), 0);
    if (GetParam() == Datenbankart::SQLite) {
        SqlStatement::direkt(QStringLiteral("DROP TRIGGER kaputt"));
    } else {
        SqlStatement::direkt(QStringLiteral("DROP TRIGGER kaputt ON T_MIREL"));
        SqlStatement::direkt(QStringLiteral("DROP FUNCTION kaputt()"));
    }
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}
