#pragma once

#include <QString>

#include <cstddef>

// A number with its noun as a German sentence needs it: "1 Fahrt", "3 Fahrten", "keine Fahrten".
struct Zaehlwort {
    QString einzahl;
    QString mehrzahl;
};

// How zero reads: as a digit where a table of figures wants one ("0 Fahrten"), or as "keine" where the
// number stands in running text ("keine Merkpunkte").
enum class Null { Ziffer, Keine };

QString anzahl(long long zahl, const Zaehlwort& wort, Null null = Null::Ziffer);

// The size of a container counted the same way.
inline QString anzahl(std::size_t zahl, const Zaehlwort& wort, Null null = Null::Ziffer)
{
    return anzahl(static_cast<long long>(zahl), wort, null);
}
