#include "audit/export/Kettenanzahlspalten.h"

std::vector<Exportspalte> kettenanzahlspalten()
{
    using Art = Exportspalte::Art;
    return {{QStringLiteral("Eintraege_Fahrtenbuch"), QStringLiteral("Glieder der Kette des Fahrtenbuchs"), Art::Zahl},
            {QStringLiteral("Eintraege_Rohfahrten"), QStringLiteral("Glieder der Kette der Rohfahrten"), Art::Zahl},
            {QStringLiteral("Eintraege_Protokoll"), QStringLiteral("Glieder der Kette des Protokolls"), Art::Zahl}};
}
