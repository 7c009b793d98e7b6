#pragma once

#include <QString>

// Plate texts end in a letter or digit: a trailing comma, blank, dash or any other character
// (umlauts included) left over from typing is dropped.
QString kennzeichenBereinigen(const QString& text);
