#pragma once

#include "db/Dialekt.h"
#include "logbuch/Sitzung.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>

// A fresh logbook (the delivered rows) in a temporary working directory, connected and set as the
// program's database, with a session on it (sample vehicle current) for windows tested alone;
// everything is undone when it goes out of scope. On PostgreSQL the logbook lives in the test
// process's database on the test cluster (see Testserver.h), which a test must check for before
// (BeideDatenbanken does).
class TestDatabase {
public:
    explicit TestDatabase(Datenbankart art = Datenbankart::SQLite);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    Datenbankart art() const { return art_; }
    QString directory() const { return dir_.path(); }
    // The SQLite file in the working directory (on PostgreSQL none is there).
    QString file() const;
    Sitzung& sitzung() { return sitzung_; }
    // What Logbuch::oeffnen takes for this logbook: the file or the server address.
    QString ort() const { return ort_; }

private:
    Datenbankart art_;
    QTemporaryDir dir_;
    QString previousDirectory_;
    QString ort_;
    Sitzung sitzung_{file()};
};

// Opens `db` on `art` for the running test; skips the test and returns false when `art` is the
// server and the tests got no cluster.
bool fuerTestOeffnen(std::optional<TestDatabase>& db, Datenbankart art);

// A test run once on a SQLite file and once on the PostgreSQL test cluster. The logbook is open
// from SetUp on; a fixture that adds to SetUp returns when IsSkipped().
class BeideDatenbanken : public ::testing::TestWithParam<Datenbankart> {
protected:
    void SetUp() override { fuerTestOeffnen(db_, GetParam()); }
    void TearDown() override { db_.reset(); }

    TestDatabase& db() { return *db_; }

private:
    std::optional<TestDatabase> db_;
};

std::string datenbankName(const ::testing::TestParamInfo<Datenbankart>& info);

#define MIT_BEIDEN_DATENBANKEN(suite)                                                                                  \
    INSTANTIATE_TEST_SUITE_P(Datenbank, suite, ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL),      \
                             datenbankName)

// Builders for the rows tests need; each returns the new row's ID.
namespace build {

struct Fahrzeug {
    QString kennzeichen = QStringLiteral("B-XY 1, Golf");
    int anfKm = 1000;
    int eingabeart = 0;
    int kfzId = -1;
    int inspKm = 0;
    QDate inspDat = QDate(2002, 1, 1);
    QDateTime start = QDateTime(QDate(2005, 12, 24), QTime(0, 0));
};
int fahrzeug(const Fahrzeug& f = {});

struct Fahrt {
    int kfz = 1;
    QDateTime ab;
    QDateTime an;
    int kmAb = 0;
    int kmAn = 0;
    int start = 0; // T_ORTE.ID
    int ziel = 0;
    int art = 4;
    int zweck = 1;
    int kategorie = 0;
    int fahrer = 0;
    QString bemerkung;
};
int fahrt(const Fahrt& f);
// An hour's trip of `kfz` at 08:00 on day `tag` of March 2006, the odometer at 1000 + 50 * tag;
// the days follow one another without a gap.
int maerzfahrt(int kfz, int tag);

struct Rohfahrt {
    QString cfid = QStringLiteral("123456789");
    QDateTime einlesedat = QDateTime(QDate(2006, 3, 1), QTime(12, 0));
    QDateTime startzeit;
    int startkm = 0;
    QDateTime zielzeit; // invalid: no time
    int zielkm = 0;
    QString kfzSchluessel;
    int cf = 0;
    QString art = QStringLiteral("U");
    QString ort;
    QString grund;
    QString kat;
    bool bearbeitet = false;
};
int rohfahrt(const Rohfahrt& r);

int fahrer(const QString& name, const QString& bemerkung = {});
int ort(const QString& name);
int zweck(const QString& name);
int kategorie(const QString& name);
void optionen(const QString& spalte, const QVariant& wert);

} // namespace build
