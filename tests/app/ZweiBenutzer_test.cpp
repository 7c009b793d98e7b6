#include "admin/PruefwertvermerkStore.h"
#include "admin/SicherungStore.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "card/KartenimportStore.h"
#include "db/SqlStatement.h"
#include "entry/EingabeStore.h"
#include "entry/Fahrtspeicherung.h"
#include "platform/FileOperations.h"
#include "support/TestDatabase.h"
#include "support/ZweiBenutzer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>

// Two users on one logbook at the same moment: each works on a thread of its own with a connection
// of its own, as two programs on two computers would.
namespace {

class ZweiBenutzer : public BeideDatenbanken {
protected:
    // Runs `arbeit` for each of two users, both starting at once; returns what each one reported.
    std::vector<QString> gleichzeitig(const std::function<QString(int benutzer)>& arbeit)
    {
        const auto berichte = zweiBenutzerZugleich(db().ort(), [&](int nummer) {
            try {
                return arbeit(nummer);
            } catch (const VarnoError& fehler) {
                return fehler.message();
            }
        });
        return {berichte.begin(), berichte.end()};
    }
};

// A user typing the next trip of the vehicle: reads the last trip, stores one trip after it, and
// on being told that a colleague was quicker reads again and retries, as the window lets one do.
int naechsteFahrtSpeichern(int kfz, int km, const QString& ziel = QStringLiteral("Werk"))
{
    for (int versuch = 1;; ++versuch) {
        const Logbuchzeile letzte = EingabeStore::letzteFahrten(kfz, 1).front();
        const QDateTime ab = letzte.anDat.addSecs(600);
        try {
            EingabeStore::fahrtSpeichern({.fahrzeug = kfz,
                                          .abDat = ab,
                                          .anDat = ab.addSecs(1200),
                                          .kmAb = letzte.kmAn,
                                          .kmAn = letzte.kmAn + km,
                                          .von = QStringLiteral("Werk"),
                                          .nach = ziel,
                                          .art = 4,
                                          .zweck = QStringLiteral("keine Angabe"),
                                          .kategorie = QStringLiteral("Standard"),
                                          .fahrer = QStringLiteral("Meier")});
            return versuch;
        } catch (const Fahrtkonflikt&) {
        }
    }
}

std::vector<ImportFahrt> kartenfahrten(int anzahl, const QString& kfzSchluessel)
{
    std::vector<ImportFahrt> fahrten;
    for (int i = 0; i < anzahl; ++i)
        fahrten.push_back({.startzeit = QDateTime(QDate(2006, 4, 1), QTime(6, 0), Qt::UTC).addSecs(3600 * i),
                           .startKm = 1000 + 10 * i,
                           .zielzeit = QDateTime(QDate(2006, 4, 1), QTime(6, 30), Qt::UTC).addSecs(3600 * i),
                           .zielKm = 1010 + 10 * i,
                           .kfzSchluessel = kfzSchluessel,
                           .cfOk = true,
                           .art = QStringLiteral("G")});
    return fahrten;
}

std::vector<const ImportFahrt*> zeiger(const std::vector<ImportFahrt>& fahrten)
{
    std::vector<const ImportFahrt*> alle;
    for (const ImportFahrt& f : fahrten)
        alle.push_back(&f);
    return alle;
}

} // namespace

MIT_BEIDEN_DATENBANKEN(ZweiBenutzer);

TEST_P(ZweiBenutzer, FahrtenDesselbenFahrzeugsSchliessenLueckenlosAneinander)
{
    const int kfz = build::fahrzeug({.anfKm = 5000});
    constexpr int jeBenutzer = 15;
    const auto berichte = gleichzeitig([&](int benutzer) {
        int versuche = 0;
        for (int i = 0; i < jeBenutzer; ++i)
            versuche += naechsteFahrtSpeichern(kfz, benutzer == 0 ? 3 : 7);
        return QStringLiteral("%1 Versuche").arg(versuche);
    });
    EXPECT_TRUE(berichte[0].endsWith(QStringLiteral("Versuche"))) << berichte[0].toStdString();
    EXPECT_TRUE(berichte[1].endsWith(QStringLiteral("Versuche"))) << berichte[1].toStdString();

    // Every trip is there once, and each starts where and after the one before it ended.
    SqlStatement s("SELECT AbDat, AnDat, km_ab, km_an FROM T_MIREL WHERE KFZ = ? AND Art <> 99 ORDER BY AbDat, ID");
    s.bind(kfz).exec();
    int anzahl = 0;
    int km = 5000;
    QString ankunft;
    while (s.next()) {
        ++anzahl;
        EXPECT_EQ(s.intValue("km_ab"), km) << "Fahrt " << anzahl;
        EXPECT_GE(s.text("AbDat"), ankunft) << "Fahrt " << anzahl;
        km = s.intValue("km_an");
        ankunft = s.text("AnDat");
    }
    EXPECT_EQ(anzahl, 2 * jeBenutzer);
    EXPECT_EQ(km, 5000 + jeBenutzer * (3 + 7));
}

TEST_P(ZweiBenutzer, DieselbeKarteWirdNurEinmalUebernommen)
{
    const QString karte = QStringLiteral("24680");
    const std::vector<ImportFahrt> fahrten = kartenfahrten(200, QStringLiteral("3 - H-AB 3"));
    const std::vector<const ImportFahrt*> alle = zeiger(fahrten);
    // Both read the card before either took it over: nothing of it looks stored.
    const auto berichte = gleichzeitig([&](int benutzer) {
        KartenimportStore::uebernehmen(karte, QDateTime(QDate(2006, 4, 10), QTime(9, benutzer)), alle, {});
        return QStringLiteral("übernommen");
    });

    const QString abgewiesen = QStringLiteral("Fahrten dieser Speicherkarte hat inzwischen ein anderer Benutzer "
                                              "übernommen. Es wurde nichts gespeichert und nichts von der Karte "
                                              "gelöscht; bitte lesen Sie die Karte neu ein.");
    EXPECT_EQ(std::count(berichte.begin(), berichte.end(), QStringLiteral("übernommen")), 1)
        << berichte[0].toStdString() << " / " << berichte[1].toStdString();
    EXPECT_EQ(std::count(berichte.begin(), berichte.end(), abgewiesen), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis WHERE CFID = ?", {karte}), 200);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(DISTINCT Einlesedat) FROM T_basis WHERE CFID = ?", {karte}), 1);
}

TEST_P(ZweiBenutzer, NeuerOrtZweierFahrzeugeWirdNurEinmalAngelegt)
{
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-G 1, Golf"), .anfKm = 5000});
    const int polo = build::fahrzeug({.kennzeichen = QStringLiteral("B-P 2, Polo"), .anfKm = 7000});
    const auto berichte = gleichzeitig([&](int benutzer) {
        for (int i = 0; i < 10; ++i)
            naechsteFahrtSpeichern(benutzer == 0 ? golf : polo, 5, QStringLiteral("Baustelle %1").arg(i));
        return QStringLiteral("gespeichert");
    });
    EXPECT_EQ(berichte, (std::vector<QString>{QStringLiteral("gespeichert"), QStringLiteral("gespeichert")}));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ORTE WHERE Bezeichnung LIKE 'Baustelle %'"), 10);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Art = 4"), 20);
}

TEST_P(ZweiBenutzer, GleichzeitigeEintraegeBildenEineLueckenlosePruefkette)
{
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-G 1, Golf"), .anfKm = 5000});
    const int polo = build::fahrzeug({.kennzeichen = QStringLiteral("B-P 2, Polo"), .anfKm = 7000});
    const std::vector<ImportFahrt> fahrten = kartenfahrten(150, QStringLiteral("2 - B-P 2"));
    const auto berichte = gleichzeitig([&](int benutzer) {
        if (benutzer == 1)
            KartenimportStore::uebernehmen(QStringLiteral("13579"), QDateTime(QDate(2006, 4, 10), QTime(9, 0)),
                                           zeiger(fahrten), {});
        for (int i = 0; i < 12; ++i)
            naechsteFahrtSpeichern(benutzer == 0 ? golf : polo, 5);
        return QStringLiteral("gespeichert");
    });
    EXPECT_EQ(berichte, (std::vector<QString>{QStringLiteral("gespeichert"), QStringLiteral("gespeichert")}));

    // One chain per table, each row continuing the one stored before it, whoever stored it.
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.koepfe[pruefkette::index(pruefkette::Kette::Fahrtenbuch)].anzahl,
              SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL"));
    EXPECT_EQ(ergebnis.koepfe[pruefkette::index(pruefkette::Kette::Rohfahrten)].anzahl, 150);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Art = 4"), 24);
}

TEST_P(ZweiBenutzer, PruefungWaehrendEinerUebernahmeMeldetNichts)
{
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-G 1, Golf"), .anfKm = 5000});
    build::fahrzeug({.kennzeichen = QStringLiteral("B-P 2, Polo"), .anfKm = 7000});
    const std::vector<ImportFahrt> fahrten = kartenfahrten(40, QStringLiteral("2 - B-P 2"));
    std::atomic<bool> fertig = false;
    const auto berichte = gleichzeitig([&](int benutzer) {
        if (benutzer == 0) {
            // A colleague stores trips and takes a card over, one commit after the other.
            for (int i = 0; i < 15; ++i) {
                naechsteFahrtSpeichern(golf, 5);
                if (i == 7)
                    KartenimportStore::uebernehmen(QStringLiteral("13579"),
                                                   QDateTime(QDate(2006, 4, 10), QTime(9, 0)), zeiger(fahrten), {});
            }
            fertig = true;
            return QStringLiteral("gespeichert");
        }
        // Meanwhile the other checks the logbook again and again.
        QStringList befunde;
        int pruefungen = 0;
        while (!fertig || pruefungen == 0) {
            const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
            if (!ergebnis.unveraendert())
                befunde << ergebnis.bericht();
            ++pruefungen;
        }
        return befunde.isEmpty() ? QStringLiteral("unverändert") : befunde.join(QLatin1Char('\n'));
    });
    EXPECT_EQ(berichte, (std::vector<QString>{QStringLiteral("gespeichert"), QStringLiteral("unverändert")}));
}

TEST_P(ZweiBenutzer, SicherungVermerktDenPruefwertIhresEigenenStands)
{
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-G 1, Golf"), .anfKm = 5000});
    QTemporaryDir ablage;
    std::atomic<bool> fertig = false;
    const auto berichte = gleichzeitig([&](int benutzer) {
        if (benutzer == 0) {
            for (int i = 0; i < 20; ++i)
                naechsteFahrtSpeichern(golf, 5);
            fertig = true;
            return QStringLiteral("gespeichert");
        }
        // Backups while the colleague stores: each notes the value of what it holds.
        QStringList abweichend;
        for (int nummer = 0; !fertig || nummer == 0; ++nummer) {
            const QString ziel = QDir(ablage.path()).filePath(QStringLiteral("%1.sav").arg(nummer));
            SicherungStore::sichern(ziel, FileOperations::system());
            const auto vermerkt = PruefwertvermerkStore::pruefwert(ziel);
            if (vermerkt != PruefwertvermerkStore::gesicherterPruefwert(ziel) || vermerkt == QStringLiteral("ungültig"))
                abweichend << ziel;
        }
        return abweichend.isEmpty() ? QStringLiteral("stimmt") : abweichend.join(QLatin1Char(' '));
    });
    EXPECT_EQ(berichte, (std::vector<QString>{QStringLiteral("gespeichert"), QStringLiteral("stimmt")}));
}
