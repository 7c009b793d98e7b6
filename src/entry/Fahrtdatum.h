#pragma once

#include <QDate>

// The logbook starts in 2003: no trip may be dated earlier.
inline const QDate fruehestesFahrtdatum(2003, 1, 1);
