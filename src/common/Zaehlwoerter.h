#pragma once

#include "common/Anzahl.h"

// The nouns the program counts in its messages, status bars and command output.
namespace zaehlwort {

inline const Zaehlwort abweichung{QStringLiteral("Abweichung"), QStringLiteral("Abweichungen")};
inline const Zaehlwort datensatz{QStringLiteral("Datensatz"), QStringLiteral("Datensätze")};
inline const Zaehlwort eintrag{QStringLiteral("Eintrag"), QStringLiteral("Einträge")};
inline const Zaehlwort fahrt{QStringLiteral("Fahrt"), QStringLiteral("Fahrten")};
inline const Zaehlwort fahrtenbucheintrag{QStringLiteral("Fahrtenbucheintrag"), QStringLiteral("Fahrtenbucheinträge")};
inline const Zaehlwort merkpunkt{QStringLiteral("Merkpunkt"), QStringLiteral("Merkpunkte")};
inline const Zaehlwort protokolleintrag{QStringLiteral("Protokolleintrag"), QStringLiteral("Protokolleinträge")};
inline const Zaehlwort sekunde{QStringLiteral("Sekunde"), QStringLiteral("Sekunden")};
inline const Zaehlwort rohfahrt{QStringLiteral("Rohfahrt"), QStringLiteral("Rohfahrten")};

} // namespace zaehlwort
