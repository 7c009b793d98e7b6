#include "start/Startdateipruefung.h"
#include "db/Database.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using Weiter = Startbefund::Weiter;

bool beschreibbar(const QString&)
{
    return true;
}

bool schreibgeschuetzt(const QString&)
{
    return false;
}

class StartpruefungTest : public ::testing::Test {
protected:
    // The program checks the file before it opens it.
    void SetUp() override { Database::schliessen(); }

    QString angezeigt() const { return QDir::toNativeSeparators(db.file()); }

    TestDatabase db;
};

} // namespace

TEST_F(StartpruefungTest, GesundesLogbuchWirdStillGeoeffnet)
{
    const Startbefund befund = Startdateipruefung(beschreibbar, 0).pruefen(db.file());
    EXPECT_EQ(befund.weiter, Weiter::Oeffnen);
    EXPECT_TRUE(befund.meldung.isEmpty());
}

TEST_F(StartpruefungTest, SchreibgeschuetztesLogbuchWirdNurLesendGeoeffnet)
{
    const Startbefund befund = Startdateipruefung(schreibgeschuetzt, 0).pruefen(db.file());
    EXPECT_EQ(befund.weiter, Weiter::NurLesendOeffnen);
    EXPECT_EQ(befund.meldung,
              QStringLiteral("Das Fahrtenbuch %1 ist schreibgeschützt (die Datei oder ihr Verzeichnis). "
                             "Sie können Fahrten auswerten und drucken, aber keine Änderungen "
                             "speichern.")
                  .arg(angezeigt()));
}

TEST_F(StartpruefungTest, FehlendesLogbuchBietetDieRuecksicherung)
{
    ASSERT_TRUE(QFile::remove(db.file()));
    const Startbefund befund = Startdateipruefung(beschreibbar, 0).pruefen(db.file());
    EXPECT_EQ(befund.weiter, Weiter::Sicherungsfenster);
    EXPECT_EQ(
        befund.meldung,
        QStringLiteral("Datenbank nicht gefunden. Sie können jetzt eine bestehende Datensicherung zurücksichern."));
}

TEST_F(StartpruefungTest, BeschaedigtesLogbuchNenntDenGrundUndBietetRuecksicherungOderNeuesLogbuch)
{
    dateieingriff::tabellenseiteZerstoeren(db.file(), QStringLiteral("T_KFZ"));
    // Not even a write-protected opening is offered.
    const Startbefund befund = Startdateipruefung(schreibgeschuetzt, 0).pruefen(db.file());
    EXPECT_EQ(befund.weiter, Weiter::Sicherungsfenster);
    EXPECT_EQ(befund.meldung, QStringLiteral("Das Fahrtenbuch %1 kann nicht geöffnet werden:\nDie Datenbank ist "
                                             "beschädigt.\n\nSie können jetzt eine bestehende Datensicherung "
                                             "zurücksichern oder eine neue Datenbank anlegen.")
                                  .arg(angezeigt()));
}

TEST_F(StartpruefungTest, GesperrtesLogbuchBietetDenNeuenVersuch)
{
    dateieingriff::Sperre sperre(db.file());
    const Startbefund befund = Startdateipruefung(beschreibbar, 0).pruefen(db.file());
    EXPECT_EQ(befund.weiter, Weiter::WiederholenAnbieten);
    EXPECT_EQ(befund.meldung, QStringLiteral("Das Fahrtenbuch %1 wird gerade von einem anderen Programm benutzt. "
                                             "Wollen Sie es erneut versuchen?")
                                  .arg(angezeigt()));
}
