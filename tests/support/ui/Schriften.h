#pragma once

#include <QFont>
#include <QList>

#include <gtest/gtest.h>

class QTableView;

// Fonts for tests of the layout. Every test runs at the reference font (set by the test main), at
// which the described pixel sizes hold exactly; a test of other fonts switches with Schriftwahl.

// The platform's font at the largest pixel size whose measure stays within the reference measure.
QFont referenzschrift();
// The platform's own default font.
QFont systemschrift();
// The platform's font 40 % larger.
QFont breiteSchrift();

// Makes a font the application's font for as long as it lives.
class Schriftwahl {
public:
    explicit Schriftwahl(const QFont& schrift);
    ~Schriftwahl();
    Schriftwahl(const Schriftwahl&) = delete;
    Schriftwahl& operator=(const Schriftwahl&) = delete;

private:
    QFont vorher_;
};

// The fonts a layout must hold at: the platform's default and a wider one.
struct Schriftfall {
    const char* name;
    QFont (*schrift)();
};
void PrintTo(const Schriftfall& fall, std::ostream* os);
::testing::internal::ParamGenerator<Schriftfall> schriftfaelle();
std::string schriftfallName(const ::testing::TestParamInfo<Schriftfall>& fall);

// The first base of a fixture tested at each font: the case's font is the application's before
// the fixture's windows are made and until they are gone.
class MitSchriftfall : public ::testing::WithParamInterface<Schriftfall> {
private:
    Schriftwahl schrift_{GetParam().schrift()};
};

// Succeeds when every cell and the header text of each given column show in full.
::testing::AssertionResult spaltenFassenTexte(const QTableView& raster, const QList<int>& spalten);
