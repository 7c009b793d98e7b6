#include "evaluation/KilometerJeArt.h"

void KilometerJeArt::hinzufuegen(QStringView kuerzel, qint64 km)
{
    if (kuerzel.startsWith(QLatin1Char('U')))
        unzugeordnet += km;
    else if (kuerzel.startsWith(QLatin1Char('P')))
        privat += km;
    else if (kuerzel.startsWith(QLatin1Char('A')))
        arbeitsweg += km;
    else if (kuerzel.startsWith(QLatin1Char('G')))
        geschaeftlich += km;
}
