#pragma once

#include <QColor>

class QWidget;

// The colours with which the program marks something: red, yellow, pale red and grey as wished,
// each moved in lightness until it reads against what it meets in the current palette, so a dark
// desktop theme keeps them readable.
namespace signalfarbe {

// Red text on a button whose step cannot be undone.
void warnendeSchrift(QWidget* knopf);
// A yellow ground on a field that asks for attention, or the palette's own ground again. The text
// keeps the normal text colour, also while the field is disabled, so it reads on the yellow.
void gelberGrund(QWidget* feld, bool gelb = true);
// The pale red ground of a list row that stands out.
QColor auffaelligerGrund();
// The grey text of a row that is no longer current, on the given ground.
QColor ersetzteSchrift(const QColor& grund);

} // namespace signalfarbe
