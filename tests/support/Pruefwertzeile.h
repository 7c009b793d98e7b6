#pragma once

#include <QString>

// The line "Prüfwert: …" of a check's report; empty when there is none.
QString pruefwertzeile(const QString& bericht);
