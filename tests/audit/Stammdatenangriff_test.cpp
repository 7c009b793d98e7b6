#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/Clock.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"
#include "evaluation/Ansichtsexport.h"
#include "evaluation/AuswertungStore.h"
#include "support/Fahrtvorlage.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Master rows changed behind the program's back, as someone with the database shell would: a trip
// prints the names it was stored with, no trip drops out of the list, the sums and the export,
// and a master row that is gone is a finding of the check. On a file and on a server.
namespace {

struct Angriff {
    const char* name;
    const char* sql;
    Fahrtenliste::Spalte spalte; // where the private trip shows what the attack touched
    const char* gedruckt;        // what it shows there
    const char* altGedruckt;     // what the trip stored before names were kept shows there
    const char* befund;          // what the check finds; nullptr: nothing
};

void PrintTo(const Angriff& angriff, std::ostream* os)
{
    *os << angriff.name;
}

using Fall = std::tuple<Datenbankart, Angriff>;

class Stammdatenangriff : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        if (!fuerTestOeffnen(db, std::get<0>(GetParam())))
            return;
        const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        const int polo = build::fahrzeug({.kennzeichen = QStringLiteral("B-AB 2, Polo")});
        const int essen = build::ort(QStringLiteral("Essen"));
        const int bonn = build::ort(QStringLiteral("Bonn"));
        meier = build::fahrer(QStringLiteral("Meier"));
        const int einkauf = build::zweck(QStringLiteral("Einkauf"));
        const int urlaub = build::zweck(QStringLiteral("Urlaub"));
        ASSERT_EQ(urlaub, 3);
        const auto fahrt = [&](int kfz, int tag, int kmAb, int kmAn, int art, int zweck) {
            build::Fahrt f = Fahrtvorlage{.start = essen, .ziel = bonn, .zweck = zweck, .fahrer = meier}.stunde(
                kfz, QDateTime(QDate(2006, 3, tag), QTime(8, 0)), kmAb, kmAn);
            f.art = art;
            return f;
        };
        build::fahrt(fahrt(golf, 1, 1000, 1220, 2, urlaub));
        build::fahrt(fahrt(polo, 2, 1000, 1050, 4, einkauf));
        vorNamen(fahrt(golf, 3, 1220, 1250, 3, urlaub));
    }
    void TearDown() override { Clock::reset(); }

    // A trip as the program stored it before trips kept their names.
    static void vorNamen(const build::Fahrt& f)
    {
        Transaction transaktion;
        Kettenanhang kette(Clock::now(), pruefkette::Form::MitBenutzer);
        kette.anhaengen(Fahrtenbucheintrag{
            .kfz = f.kfz,
            .abDat = QStringLiteral("2006-03-%1 08:00:00").arg(f.ab.date().day(), 2, 10, QLatin1Char('0')),
            .anDat = QStringLiteral("2006-03-%1 09:00:00").arg(f.ab.date().day(), 2, 10, QLatin1Char('0')),
            .kmAb = f.kmAb,
            .kmAn = f.kmAn,
            .start = f.start,
            .ziel = f.ziel,
            .art = f.art,
            .zweck = f.zweck,
            .fahrer = f.fahrer});
        kette.kopfSchreiben();
        transaktion.commit();
    }

    static Fahrtenfilter maerz()
    {
        Fahrtenfilter filter;
        filter.abfahrtAb = filtergrenzen::abfahrtAb(QDate(2006, 3, 1));
        filter.ankunftBis = filtergrenzen::ankunftBis(QDate(2006, 3, 31));
        return filter;
    }

    static QString csv(const Fahrtenliste& liste)
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("fahrten.csv"));
        ansichtsexport::schreiben(pfad, Auswertungsstand{}, liste);
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
    }

    std::optional<TestDatabase> db;
    int meier = 0;
};

const KilometerJeArt summen{.privat = 220, .arbeitsweg = 30, .geschaeftlich = 50};

} // namespace

TEST_P(Stammdatenangriff, FahrtDruecktIhreNamenUndDiePruefungNenntFehlendeStammdaten)
{
    if (IsSkipped())
        return;
    const Angriff& angriff = std::get<1>(GetParam());
    SqlStatement(QString::fromUtf8(angriff.sql)).exec();

    const Fahrtenliste liste = AuswertungStore().fahrten(maerz());
    ASSERT_EQ(liste.anzahl(), 3U);
    EXPECT_EQ(liste.zelle(0, angriff.spalte), QString::fromUtf8(angriff.gedruckt));
    EXPECT_EQ(liste.zelle(2, angriff.spalte), QString::fromUtf8(angriff.altGedruckt));
    EXPECT_EQ(liste.kilometerJeArt(), summen);
    EXPECT_EQ(liste.kilometer(), 300);
    const auto details = KorrekturStore::fassung(liste.fahrt(0).id);
    ASSERT_TRUE(details);
    EXPECT_EQ(QStringList({details->fahrzeug, details->von, details->zweck, details->fahrer, details->art}),
              QStringList({QStringLiteral("B-XY 1, Golf"), QStringLiteral("Essen"), QStringLiteral("Urlaub"),
                           QStringLiteral("Meier"), QStringLiteral("privat")}));
    const QString datei = csv(liste);
    EXPECT_EQ(datei.count(QLatin1Char('\n')), 4) << datei.toStdString();
    EXPECT_TRUE(datei.contains(QString::fromUtf8(angriff.gedruckt))) << datei.toStdString();
    EXPECT_TRUE(datei.contains(QString::fromUtf8(angriff.altGedruckt))) << datei.toStdString();

    // The vehicle view counts every trip under the plate it was stored with, the driver's day its trip.
    KilometerJeArt jeFahrzeug;
    QStringList kennzeichen;
    for (const auto& fahrzeug : AuswertungStore().fahrzeuge(maerz())) {
        kennzeichen << fahrzeug.name;
        jeFahrzeug.privat += fahrzeug.km.privat;
        jeFahrzeug.arbeitsweg += fahrzeug.km.arbeitsweg;
        jeFahrzeug.geschaeftlich += fahrzeug.km.geschaeftlich;
    }
    EXPECT_EQ(jeFahrzeug, summen);
    EXPECT_TRUE(kennzeichen.contains(QStringLiteral("B-XY 1, Golf"))) << kennzeichen.join(u'|').toStdString();
    const auto tag = AuswertungStore().tagesfahrten(meier, QDate(2006, 3, 1));
    ASSERT_EQ(tag.size(), 1U);
    EXPECT_EQ(QStringList({tag[0].fahrzeug, tag[0].von, tag[0].zweck, tag[0].art}),
              QStringList({QStringLiteral("B-XY 1, Golf"), QStringLiteral("Essen"), QStringLiteral("Urlaub"),
                           QStringLiteral("P")}));

    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    if (!angriff.befund) {
        EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
        return;
    }
    ASSERT_EQ(ergebnis.befunde.size(), 1U) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.befunde.front().text(), QString::fromUtf8(angriff.befund));
    EXPECT_EQ(ergebnis.pruefwert(), QString::fromUtf8(pruefkette::ungueltig));
}

INSTANTIATE_TEST_SUITE_P(
    Angriffe, Stammdatenangriff,
    ::testing::Combine(
        ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL),
        ::testing::Values(
            Angriff{"OrtUmbenannt", "UPDATE T_ORTE SET Bezeichnung = 'Paris' WHERE Bezeichnung = 'Essen'",
                    Fahrtenliste::Von, "Essen", "Paris", nullptr},
            Angriff{"ZweckUmbenannt", "UPDATE T_ZWECK SET Bezeichnung = 'Dienstreise' WHERE ID = 3",
                    Fahrtenliste::Zweck, "Urlaub", "Dienstreise", nullptr},
            Angriff{"FahrerUmbenannt", "UPDATE T_Fahrer SET Bezeichnung = 'Schulz'", Fahrtenliste::Fahrer, "Meier",
                    "Schulz", nullptr},
            Angriff{"ArtVertauscht",
                    "UPDATE T_ART SET Bezeichnung = CASE ID WHEN 2 THEN 'geschäftlich' ELSE 'privat' END, "
                    "Abkuerzung = CASE ID WHEN 2 THEN 'G' ELSE 'P' END WHERE ID IN (2, 4)",
                    Fahrtenliste::Art, "P", "A", nullptr},
            Angriff{"KennzeichenVertauscht",
                    "UPDATE T_KFZ SET KZuFzg = CASE KZuFzg WHEN 'B-XY 1, Golf' THEN 'B-AB 2, Polo' ELSE 'B-XY 1, Golf' "
                    "END WHERE KZuFzg IN ('B-XY 1, Golf', 'B-AB 2, Polo')",
                    Fahrtenliste::Fahrzeug, "B-XY 1, Golf", "B-AB 2, Polo", nullptr},
            Angriff{"ZweckGeloescht", "DELETE FROM T_ZWECK WHERE ID = 3", Fahrtenliste::Zweck, "Urlaub",
                    "(fehlt: Zweck 3)",
                    "Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: nennt Zweck 3 (T_ZWECK), dort "
                    "nicht mehr vorhanden (gelöscht); Verweise darauf: 2."},
            Angriff{"FahrerGeloescht", "DELETE FROM T_Fahrer", Fahrtenliste::Fahrer, "Meier", "(fehlt: Fahrer 1)",
                    "Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: nennt Fahrer 1 (T_Fahrer), dort "
                    "nicht mehr vorhanden (gelöscht); Verweise darauf: 3."})),
    [](const ::testing::TestParamInfo<Fall>& info) {
        return datenbankName({std::get<0>(info.param), info.index}) + std::get<1>(info.param).name;
    });
