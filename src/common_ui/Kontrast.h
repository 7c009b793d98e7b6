#pragma once

#include <QColor>

// How well text reads on its ground, measured as WCAG 2 does: the ratio of the two relative
// luminances, from 1 (same colour) to 21 (black on white).
namespace kontrast {

// What WCAG level AA asks of body text.
constexpr double lesbar = 4.5;

double verhaeltnis(const QColor& a, const QColor& b);

// The colour nearest to `farbe` that reads against `gegen`: the same hue, its lightness moved away
// from `gegen` only as far as needed. A colour that already reads stays as it is.
QColor lesbarGegen(const QColor& farbe, const QColor& gegen);

} // namespace kontrast
