#include "app/Wartefenster.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "entry/EingabeStore.h"
#include "entry/Fahrtspeicherung.h"
#include "support/TestDatabase.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <libpq-fe.h>

#include <functional>

// A save that meets a colleague storing at the same moment shows how long it has waited and can be
// given up; nothing is stored then, and the logbook stays usable.
namespace {

class Wartefensterprobe : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fuerTestOeffnen(db_, Datenbankart::PostgreSQL))
            return;
        kfz_ = build::fahrzeug({.anfKm = 5000});
        // The colleague: a transaction that took the chain's lock, as every chained write does.
        kollege_ = PQconnectdb(db_->ort().toUtf8().constData());
        ASSERT_EQ(PQstatus(kollege_), CONNECTION_OK) << PQerrorMessage(kollege_);
        PQclear(PQexec(kollege_, "BEGIN; LOCK TABLE t_pruefkette IN SHARE ROW EXCLUSIVE MODE"));
    }

    void TearDown() override
    {
        uhr_.stop();
        uhr_.disconnect();
        kollegeFertig();
        db_.reset();
    }

    void kollegeFertig()
    {
        if (!kollege_)
            return;
        PQclear(PQexec(kollege_, "ROLLBACK"));
        PQfinish(kollege_);
        kollege_ = nullptr;
    }

    void fahrtSpeichern() const
    {
        const QDateTime ab(QDate(2026, 12, 1), QTime(8, 0));
        EingabeStore::fahrtSpeichern({.fahrzeug = kfz_,
                                      .abDat = ab,
                                      .anDat = ab.addSecs(1800),
                                      .kmAb = 5000,
                                      .kmAn = 5025,
                                      .von = QStringLiteral("Werk"),
                                      .nach = QStringLiteral("Kunde"),
                                      .art = 4,
                                      .zweck = QStringLiteral("keine Angabe"),
                                      .kategorie = QStringLiteral("Standard"),
                                      .fahrer = QStringLiteral("Meier")});
    }

    static int gespeicherteFahrten()
    {
        return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE Art <> 99"));
    }

    // Looks at the window every 50 ms while the save waits; `schritt` answers true once it has acted.
    // The timer goes with the test: nothing of it may fire in the next one.
    void beobachten(const Wartefenster& fenster, const std::function<bool()>& schritt)
    {
        QObject::connect(&uhr_, &QTimer::timeout, &uhr_, [this, &fenster, schritt] {
            if (fenster.isVisible() && schritt())
                uhr_.stop();
        });
        uhr_.start(50);
    }

    static QString gewartet(const Wartefenster& fenster)
    {
        return fenster.findChild<QLabel*>(QStringLiteral("LbGewartet"))->text();
    }

    std::optional<TestDatabase> db_;
    QTimer uhr_;
    PGconn* kollege_ = nullptr;
    int kfz_ = 0;
};

} // namespace

TEST_F(Wartefensterprobe, AbbrechenSpeichertNichts)
{
    Wartefenster fenster;
    QString hinweis;
    beobachten(fenster, [&] {
        hinweis = fenster.findChild<QLabel*>(QStringLiteral("LbHinweis"))->text();
        fenster.findChild<QPushButton*>(QStringLiteral("BtAbbrechen"))->click();
        return true;
    });
    try {
        fahrtSpeichern();
        FAIL() << "gespeichert, obwohl abgebrochen";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Das Speichern wurde abgebrochen, während ein anderer Benutzer "
                                                   "speicherte. Es wurde nichts gespeichert."));
    }
    EXPECT_EQ(hinweis, QStringLiteral("Ein anderer Benutzer speichert gerade …"));
    EXPECT_FALSE(fenster.isVisible());
    kollegeFertig();
    EXPECT_EQ(gespeicherteFahrten(), 0);
    // The connection took no harm: the same save goes through once the colleague is done.
    fahrtSpeichern();
    EXPECT_EQ(gespeicherteFahrten(), 1);
}

TEST_F(Wartefensterprobe, ZeigtDieWartezeitUndSpeichertSobaldDerKollegeFertigIst)
{
    Wartefenster fenster;
    QString nachEinerSekunde;
    beobachten(fenster, [&] {
        if (!gewartet(fenster).startsWith(QStringLiteral("Gewartet: 1 ")))
            return false;
        nachEinerSekunde = gewartet(fenster);
        kollegeFertig();
        return true;
    });
    fahrtSpeichern();
    EXPECT_EQ(nachEinerSekunde, QStringLiteral("Gewartet: 1 Sekunde"));
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(gespeicherteFahrten(), 1);
}
