#pragma once

#include "Auswertungsdaten.h"

#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"

#include <QStringList>

#include <gtest/gtest.h>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QRadioButton;
class QTableView;

QString zelle(const QTableView* tabelle, int zeile, int spalte);
QStringList spalte(const QTableView* tabelle, int nummer);

// The evaluation window on the small logbook of Auswertungsdaten, today being 1 June 2006 and the
// Golf the current vehicle.
class AuswertungTest : public ::testing::Test {
protected:
    AuswertungTest();
    ~AuswertungTest() override;

    void oeffnen() { fenster.show(); }
    void waehle(QComboBox* liste, const QString& text);
    void ankreuzen(QCheckBox* box, QDateEdit* picker, const QDate& tag);
    void anzeigen(QRadioButton* ansicht);
    // Writes down what the window tells its progress display: "starten", each percentage, "beenden".
    void fortschrittMitschreiben(QStringList& ablauf);
    QStringList gelisteteAbfahrten() const { return spalte(fenster.sgFahrten, 0); }

    TestDatabase db;
    Auswertungsdaten d;
    TF_Details details;
    TF_AuswertungMirel fenster{db.sitzung()};
};
