#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window goes when it opens over another one: centred over it, but never with an edge off the
// usable area of the screen (panels and docks excluded), so its title bar and buttons stay reachable.
namespace fensterplatz {

// The top-left corner for a window of the given frame size centred on `mitte` and kept inside `bereich`.
// A window larger than the area keeps its top-left corner in the area: the title bar stays reachable.
QPoint imBereich(QSize rahmen, QPoint mitte, const QRect& bereich);

// Moves `fenster` centred over the window that holds `bezug`, inside the screen that window is on.
void zentrieren(QWidget* fenster, const QWidget* bezug);

} // namespace fensterplatz
