#include "support/ui/Textplatz.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString langerText = QStringLiteral("ersetzte Fassungen zeigen");
const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller GmbH, Eingang Gebäude C");

QWidget* knapp(QWidget* w)
{
    w->setFixedWidth(30);
    return w;
}

QWidget* flach(QWidget* w)
{
    w->setFixedHeight(4);
    return w;
}

// A one-column grid whose column is too narrow for the caption and for the place in its row.
QTableWidget* schmalesRaster(bool umbrechen)
{
    auto* raster = new QTableWidget(1, 1);
    raster->setHorizontalHeaderItem(0, new QTableWidgetItem(langerText));
    raster->setItem(0, 0, new QTableWidgetItem(langerOrt));
    raster->setWordWrap(umbrechen);
    raster->setColumnWidth(0, 60);
    return raster;
}

// A header clips its captions unless told to elide them.
QWidget* kopfMitTooltip(Qt::TextElideMode kuerzen)
{
    auto* raster = schmalesRaster(false);
    raster->horizontalHeaderItem(0)->setToolTip(langerText);
    raster->horizontalHeader()->setTextElideMode(kuerzen);
    return raster;
}

QWidget* hoheZeile()
{
    auto* raster = schmalesRaster(true);
    raster->horizontalHeader()->hide();
    raster->resizeRowsToContents();
    return raster;
}

QWidget* umbrochenOhneKopf()
{
    auto* raster = schmalesRaster(true);
    raster->horizontalHeader()->hide();
    return raster;
}

struct Platzfall {
    const char* name;
    std::function<QWidget*()> inhalt;
    bool ganz;
};

void PrintTo(const Platzfall& fall, std::ostream* os)
{
    *os << fall.name;
}

class TexteGanz : public ::testing::TestWithParam<Platzfall> {};

TEST_P(TexteGanz, FindetJedenAbgeschnittenenText)
{
    QWidget fenster;
    (new QVBoxLayout(&fenster))->addWidget(GetParam().inhalt());
    fenster.show();
    EXPECT_EQ(static_cast<bool>(texteGanz(fenster)), GetParam().ganz);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TexteGanz,
    ::testing::Values(
        Platzfall{"LabelMitPlatz", [] { return new QLabel(langerText); }, true},
        Platzfall{"SchmalesLabel", [] { return knapp(new QLabel(langerText)); }, false},
        Platzfall{"UmbrechendesLabelDarfSchmalSein",
                  [] {
                      auto* label = new QLabel(langerText);
                      label->setWordWrap(true);
                      return knapp(label);
                  },
                  true},
        Platzfall{"SchmalesHaekchen", [] { return knapp(new QCheckBox(langerText)); }, false},
        Platzfall{"SchmalerRadioknopf", [] { return knapp(new QRadioButton(langerText)); }, false},
        Platzfall{"SchmalerKnopf", [] { return knapp(new QPushButton(langerText)); }, false},
        Platzfall{"FlacherKnopf", [] { return flach(new QPushButton(QStringLiteral("OK"))); }, false},
        Platzfall{"SchmalerKopf", []() -> QWidget* { return schmalesRaster(false); }, false},
        Platzfall{"GekuerzterKopfMitTooltip", [] { return kopfMitTooltip(Qt::ElideRight); }, true},
        Platzfall{"AbgeschnittenerKopfMitTooltip", [] { return kopfMitTooltip(Qt::ElideNone); }, false},
        Platzfall{"UmbrochenerOrtInEinzeiligerZeile", umbrochenOhneKopf, false},
        Platzfall{"UmbrochenerOrtInHoherZeile", hoheZeile, true}),
    [](const ::testing::TestParamInfo<Platzfall>& fall) { return std::string(fall.param.name); });

} // namespace
