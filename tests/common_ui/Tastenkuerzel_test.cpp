#include "support/ui/Tastenkuerzel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

struct Kuerzelfall {
    const char* name;
    QStringList knoepfe;
    QStringList haken;
    bool gut;
};

class KuerzelEindeutig : public ::testing::TestWithParam<Kuerzelfall> {};

TEST_P(KuerzelEindeutig, FindetFehlendeUndDoppelteKuerzel)
{
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    for (const QString& text : GetParam().knoepfe)
        layout->addWidget(new QPushButton(text));
    for (const QString& text : GetParam().haken)
        layout->addWidget(new QCheckBox(text));
    EXPECT_EQ(static_cast<bool>(kuerzelEindeutig(fenster)), GetParam().gut);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KuerzelEindeutig,
    ::testing::Values(Kuerzelfall{"JederKnopfEinEigenes", {"&Speichern", "&Abbrechen"}, {"&fest"}, true},
                      Kuerzelfall{"KnopfOhneKuerzel", {"&Speichern", "Abbrechen"}, {}, false},
                      Kuerzelfall{"HakenOhneKuerzelDarfSein", {"&Speichern"}, {"fest"}, true},
                      Kuerzelfall{"ZweiKnoepfeEinBuchstabe", {"&Speichern", "&Schliessen"}, {}, false},
                      Kuerzelfall{"GrossUndKleinSindEins", {"&Speichern", "&suchen"}, {}, false},
                      Kuerzelfall{"KnopfUndHakenEinBuchstabe", {"&Speichern"}, {"&sofort"}, false},
                      Kuerzelfall{"DoppeltesUndZeichenIstKeinKuerzel", {"Suche && Finde"}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KuerzelEindeutig, ReiterSeitenDuerfenBuchstabenTeilen)
{
    QTabWidget fenster;
    for (const QString& reiter : {QStringLiteral("&Orte"), QStringLiteral("&Gründe")}) {
        auto* seite = new QWidget;
        (new QVBoxLayout(seite))->addWidget(new QPushButton(QStringLiteral("&löschen")));
        fenster.addTab(seite, reiter);
    }
    EXPECT_TRUE(kuerzelEindeutig(fenster));
    fenster.setTabText(1, QStringLiteral("&Löschliste"));
    EXPECT_FALSE(kuerzelEindeutig(fenster));
}

TEST(KuerzelEindeutig, BeschriftungMitPartnerZaehlt)
{
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* fahrer = new QLabel(QStringLiteral("&Fahrer:"));
    auto* feld = new QLineEdit;
    layout->addWidget(fahrer);
    layout->addWidget(feld);
    layout->addWidget(new QPushButton(QStringLiteral("&Fertig")));
    EXPECT_TRUE(kuerzelEindeutig(fenster));
    fahrer->setBuddy(feld);
    EXPECT_FALSE(kuerzelEindeutig(fenster));
}

TEST(KuerzelEindeutig, MenueeintraegeJeMenue)
{
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("Fenster"));
    QMenu* datei = fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("&Öffnen"));
    datei->addSeparator();
    datei->addAction(QStringLiteral("&Beenden"));
    fenster.menuBar()->addMenu(QStringLiteral("&Hilfe"))->addAction(QStringLiteral("Ü&ber"));
    EXPECT_TRUE(kuerzelEindeutig(fenster));
    datei->addAction(QStringLiteral("Drucken"));
    const auto ergebnis = kuerzelEindeutig(fenster);
    EXPECT_FALSE(ergebnis);
    EXPECT_NE(std::string(ergebnis.message()).find("Drucken"), std::string::npos);
    datei->actions().last()->setText(QStringLiteral("&Bearbeiten"));
    EXPECT_FALSE(kuerzelEindeutig(fenster));
}

TEST(OhneKuerzel, ZeigtDenTextWieDerKnopf)
{
    EXPECT_EQ(ohneKuerzel(QStringLiteral("&Speichern")), QStringLiteral("Speichern"));
    EXPECT_EQ(ohneKuerzel(QStringLiteral("Fahrtenbuch &prüfen")), QStringLiteral("Fahrtenbuch prüfen"));
    EXPECT_EQ(ohneKuerzel(QStringLiteral("Suche && Finde")), QStringLiteral("Suche & Finde"));
    EXPECT_EQ(ohneKuerzel(QStringLiteral("ohne")), QStringLiteral("ohne"));
}

} // namespace
