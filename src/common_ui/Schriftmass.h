#pragma once

#include <QSize>
#include <QtGlobal>

// The fixed sizes of the layout (column widths, window sizes, the moves of a window) were made for
// a small system font of 5 pixels average character width and 13 pixels line height. Desktop
// fonts on Linux are larger, so these functions scale such a size by how much wider (for widths)
// or taller (for heights) the application's font is. A font at or below the reference keeps the
// sizes exactly: they already hold its text.
namespace schriftmass {

struct Zeichenmass {
    qreal breite; // average character width
    qreal hoehe;  // line height
};

inline constexpr Zeichenmass bezug{5.0, 13.0};

// The size "pixel", made for a font whose measure is "bezugsmass", for a font of "mass".
int skaliert(int pixel, qreal mass, qreal bezugsmass);

// The measure of the application's font.
Zeichenmass anwendungsschrift();

int breite(int pixel);
int hoehe(int pixel);
QSize groesse(int breitePixel, int hoehePixel);

} // namespace schriftmass
