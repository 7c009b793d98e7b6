#include "admin/ui/TF_Datensicherung.h"
#include "admin/ui/TF_Optionen.h"
#include "admin/ui/TF_ueber.h"
#include "app/TF_ProgressBar.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "app/Wartefenster.h"
#include "audit/ui/TF_Korrektur.h"
#include "audit/ui/TF_Protokoll.h"
#include "audit/ui/TF_Pruefung.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_Datei.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "card/ui/TF_mirel_Verbindung.h"
#include "common/Clock.h"
#include "db/Sitzung.h"
#include "entry/ui/TF_Eingabe.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "master/ui/TF_Fahrer.h"
#include "master/ui/TF_KFZ.h"
#include "master/ui/TF_KFZNeu.h"
#include "support/TestDatabase.h"
#include "support/ui/Tastenkuerzel.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A window of the program as the user meets it; windows that live outside the program object are
// made for the test and kept in `eigene`.
struct Fensterfall {
    const char* name;
    std::function<QWidget*(Varno& varno, std::unique_ptr<QWidget>& eigene)> fenster;
};

void PrintTo(const Fensterfall& fall, std::ostream* os)
{
    *os << fall.name;
}

class Tastenbedienung : public ::testing::TestWithParam<Fensterfall> {
protected:
    Tastenbedienung()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        varno.starten(false);
        varno.sitzung().setAktuellesFahrzeug(golf);
    }
    ~Tastenbedienung() override { Clock::reset(); }

    TestDatabase db;
    const int golf = build::fahrzeug();
    Varno varno{db.file()};
};

template <typename Fenster> QWidget* eigenes(std::unique_ptr<QWidget>& eigene, Fenster* fenster)
{
    eigene.reset(fenster);
    return fenster;
}

TEST_P(Tastenbedienung, JederKnopfUndMenuepunktHatEinEigenesKuerzel)
{
    std::unique_ptr<QWidget> eigene;
    QWidget* fenster = GetParam().fenster(varno, eigene);
    fenster->show();
    EXPECT_TRUE(kuerzelEindeutig(*fenster));
    fenster->hide();
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Tastenbedienung,
    ::testing::Values(
        Fensterfall{"Hauptfenster", [](Varno& v, auto&) -> QWidget* { return v.hauptform(); }},
        Fensterfall{"Fahrteingabe", [](Varno& v, auto&) -> QWidget* { return v.eingabe(); }},
        Fensterfall{"Auswertung", [](Varno& v, auto&) -> QWidget* { return v.auswertung(); }},
        Fensterfall{"Details", [](Varno& v, auto&) -> QWidget* { return v.details(); }},
        Fensterfall{"Korrektur", [](Varno& v, auto&) -> QWidget* { return v.korrektur(); }},
        Fensterfall{"Fahrzeuge", [](Varno& v, auto&) -> QWidget* { return v.kfz(); }},
        Fensterfall{"NeuesFahrzeug", [](Varno& v, auto&) -> QWidget* { return v.kfzNeu(); }},
        Fensterfall{"Fahrer", [](Varno& v, auto&) -> QWidget* { return v.fahrer(); }},
        Fensterfall{"Kartenimport", [](Varno& v, auto&) -> QWidget* { return v.kartenimport(); }},
        Fensterfall{"Kartenlisten", [](Varno& v, auto&) -> QWidget* { return v.kartenlisten(); }},
        Fensterfall{"Speicherkarte", [](Varno& v, auto&) -> QWidget* { return v.speicherkarte(); }},
        Fensterfall{"Verbindung", [](Varno& v, auto&) -> QWidget* { return v.mirelVerbindung(); }},
        Fensterfall{"Datensicherung", [](Varno& v, auto&) -> QWidget* { return v.datensicherung(); }},
        Fensterfall{"Pruefung", [](Varno& v, auto&) -> QWidget* { return v.pruefung(); }},
        Fensterfall{"Protokoll", [](Varno& v, auto&) -> QWidget* { return v.protokoll(); }},
        Fensterfall{"Warten", [](Varno& v, auto&) -> QWidget* { return v.wartefenster(); }},
        Fensterfall{"Fortschritt", [](Varno& v, auto&) -> QWidget* { return v.fortschritt(); }},
        Fensterfall{"Optionen", [](Varno&, auto& eigene) { return eigenes(eigene, new TF_Optionen); }},
        Fensterfall{"Ueber", [](Varno& v, auto& eigene) { return eigenes(eigene, new TF_ueber(v.sitzung())); }}),
    [](const ::testing::TestParamInfo<Fensterfall>& fall) { return std::string(fall.param.name); });

// The letters work as on every Linux desktop: Alt and the underlined letter choose the control.
TEST(Kuerzeltaste, AltUndBuchstabeWaehlenDenKnopf)
{
    TestDatabase db;
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* fenster = varno.hauptform();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    ASSERT_FALSE(fenster->RBauswerten->isChecked());
    // A button answers its letter as a click shown on screen, that is a moment later.
    QTest::keyClick(fenster->windowHandle(), Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([fenster] { return fenster->RBauswerten->isChecked(); }));
    EXPECT_TRUE(fenster->Mhinweis->toPlainText().startsWith(QStringLiteral("Hier können Sie")));
    QTest::keyClick(fenster->windowHandle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([fenster] { return fenster->RBCFlesen->isChecked(); }));
    fenster->hide();
}

} // namespace
