#pragma once

#include "db/Sitzung.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

// A fresh logbook (the delivered rows) in a temporary working directory, connected and set as the
// program's database, with a session on it (sample vehicle current) for windows tested alone;
// everything is undone when it goes out of scope.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    QString directory() const { return dir_.path(); }
    QString file() const;
    Sitzung& sitzung() { return sitzung_; }

private:
    QTemporaryDir dir_;
    QString previousDirectory_;
    Sitzung sitzung_{file()};
};

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
