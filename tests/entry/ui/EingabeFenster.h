#pragma once

#include "entry/ui/TF_Eingabe.h"
#include "support/TestDatabase.h"

#include <QDateTime>
#include <QString>

#include <gtest/gtest.h>

// The trip entry window on a fresh logbook, shown and active so that focus moves as for a user.
class EingabeFenster : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window for the vehicle; what it said while loading is forgotten unless kept.
    void oeffnen(int kfz, bool meldungenBehalten = false);
    // Types digits into a time field from its first place.
    void zeitTippen(QLineEdit* feld, const QString& ziffern);
    void tippen(QWidget* feld, const QString& text);
    // Moves the focus to the remark, so the field that had it is left.
    void verlassen();
    QString fokus() const;

    // A manual vehicle (odometer 12300 at the start of 2006) whose last trip went on 12.03.2006
    // from 07:30 to 08:00 from Zuhause to Büro, arriving at 12345 km.
    int fahrzeugMitLetzterFahrt();
    // A card vehicle with recorder number 7 and odometer 12000.
    int kartenfahrzeug();
    int zeilen(const QString& tabelle) const;

    TestDatabase db;
    TF_Eingabe fenster{db.sitzung()};
    QString kartenSchluessel;
};

// The newest logbook row as stored.
struct GespeicherteFahrt {
    QString abDat;
    QString anDat;
    int kmAb = 0;
    int kmAn = 0;
    QString start;
    QString ziel;
    int art = 0;
    QString zweck;
    QString kategorie;
    QString fahrer;
    QString bemerkung;
};
GespeicherteFahrt letzteGespeicherteFahrt();
