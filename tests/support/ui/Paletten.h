#pragma once

#include <QPalette>

#include <gtest/gtest.h>

class QColor;
class QWidget;

// The palettes of the desktop themes the program's own colours must read under.

// Fusion's light palette, as most desktops deliver it.
QPalette hellePalette();
// A dark theme with the colours of Breeze Dark.
QPalette dunklePalette();

// Makes a palette the application's palette for as long as it lives.
class Palettenwahl {
public:
    explicit Palettenwahl(const QPalette& palette);
    ~Palettenwahl();
    Palettenwahl(const Palettenwahl&) = delete;
    Palettenwahl& operator=(const Palettenwahl&) = delete;

private:
    QPalette vorher_;
};

struct Palettenfall {
    const char* name;
    QPalette (*palette)();
};
::testing::internal::ParamGenerator<Palettenfall> palettenfaelle();
std::string palettenfallName(const ::testing::TestParamInfo<Palettenfall>& fall);
void PrintTo(const Palettenfall& fall, std::ostream* os);

// The first base of a fixture tested under each palette: the case's palette is the application's
// before the fixture's windows are made and until they are gone.
class MitPalettenfall : public ::testing::WithParamInterface<Palettenfall> {
private:
    Palettenwahl palette_{GetParam().palette()};
};

// Succeeds when text in `schrift` on `grund` reaches the contrast WCAG AA asks of body text.
::testing::AssertionResult liestSich(const QColor& schrift, const QColor& grund);
// The same for the text the widget paints in `schrift` on `grund`, in its current colour group.
::testing::AssertionResult liestSich(const QWidget& w, QPalette::ColorRole schrift, QPalette::ColorRole grund);
