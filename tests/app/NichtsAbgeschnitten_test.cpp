#include "Programmfenster.h"

#include "app/Varno.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "support/MerkpunktBuilder.h"
#include "support/TestDatabase.h"
#include "support/ui/Schriften.h"
#include "support/ui/Textplatz.h"

#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

const QDate tag(2006, 5, 2);

QDateTime um(int stunde, int minute)
{
    return QDateTime(tag, QTime(stunde, minute));
}

// The evaluation after "Anzeigen" in one of its views.
template <auto ansicht> QWidget* angezeigt(Varno& varno, std::unique_ptr<QWidget>&)
{
    TF_AuswertungMirel* fenster = varno.auswertung();
    fenster->show();
    (fenster->*ansicht)->setChecked(true);
    fenster->btAnzeigenClick();
    return fenster;
}

std::string fallName(const ::testing::TestParamInfo<std::tuple<Fensterfall, Schriftfall>>& fall)
{
    return std::string(std::get<0>(fall.param).name) + "_" + std::get<1>(fall.param).name;
}

// Every window at each test font, over a card vehicle whose trips carry long names: a finished
// trip, an unprocessed card trip and a waypoint.
class NichtsAbgeschnitten : public ::testing::TestWithParam<std::tuple<Fensterfall, Schriftfall>> {
protected:
    NichtsAbgeschnitten()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        const int kunde = build::ort(QStringLiteral("Potsdam, Kunde Müller GmbH, Eingang Gebäude C"));
        build::fahrt({.kfz = kartenauto,
                      .ab = um(7, 30),
                      .an = um(8, 15),
                      .kmAb = 1234500,
                      .kmAn = 1234567,
                      .start = kunde,
                      .ziel = build::ort(QStringLiteral("Lager")),
                      .zweck = build::zweck(QStringLiteral("Kundenbesuch mit Vorführung")),
                      .fahrer = build::fahrer(QStringLiteral("Meier-Lüdenscheidt"))});
        build::rohfahrt({.startzeit = um(9, 0),
                         .startkm = 1234567,
                         .zielzeit = um(9, 40),
                         .zielkm = 1234610,
                         .kfzSchluessel = schluessel,
                         .ort = QStringLiteral("Kunde Müller GmbH"),
                         .grund = QStringLiteral("Abholung der Ersatzteile")});
        build::merkpunkt({.zeit = um(9, 20),
                          .km = 1234590,
                          .bemerkung = QStringLiteral("Tankstelle an der B 1"),
                          .kfzSchluessel = schluessel});
        varno.starten(false);
        varno.sitzung().setAktuellesFahrzeug(kartenauto);
    }
    ~NichtsAbgeschnitten() override { Clock::reset(); }

    Schriftwahl schrift{std::get<1>(GetParam()).schrift()};
    TestDatabase db;
    const QString schluessel = QStringLiteral("7 - K-CF 7");
    const int kartenauto = build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"),
                                            .anfKm = 1234500,
                                            .eingabeart = 1,
                                            .kfzId = 7,
                                            .start = QDateTime(QDate(2006, 1, 1), QTime(0, 0))});
    Varno varno{db.file()};
};

TEST_P(NichtsAbgeschnitten, JederTextZeigtSichGanz)
{
    std::unique_ptr<QWidget> eigene;
    QWidget* fenster = std::get<0>(GetParam()).fenster(varno, eigene);
    fenster->show();
    EXPECT_TRUE(texteGanz(*fenster));
    fenster->hide();
}

INSTANTIATE_TEST_SUITE_P(Fenster, NichtsAbgeschnitten, ::testing::Combine(programmfenster(), schriftfaelle()),
                         fallName);

INSTANTIATE_TEST_SUITE_P(
    Angezeigt, NichtsAbgeschnitten,
    ::testing::Combine(::testing::Values(Fensterfall{"Fahrten", angezeigt<&TF_AuswertungMirel::RBFahrten>},
                                         Fensterfall{"Fahrer", angezeigt<&TF_AuswertungMirel::RBFahrer>},
                                         Fensterfall{"Fahrzeuge", angezeigt<&TF_AuswertungMirel::RBFahrzeug>}),
                       schriftfaelle()),
    fallName);

} // namespace
