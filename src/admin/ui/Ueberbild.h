#pragma once

#include <QPixmap>

// The about box's picture: an open logbook with a road winding across its pages, drawn rather
// than shipped as a file.
QPixmap ueberbild();
