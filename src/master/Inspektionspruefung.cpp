#include "master/Inspektionspruefung.h"

namespace inspektion {

bool kmZulaessig(int inspKm, int kmStand)
{
    return inspKm > kmStand;
}

bool datumZulaessig(const QDate& datum, const QDate& heute)
{
    return datum >= heute;
}

NeuFehler neuesFahrzeugPruefen(int inspKm, int anfKm, const QDate& datum, const QDate& heute)
{
    if (!datumZulaessig(datum, heute))
        return NeuFehler::Datum;
    if (inspKm != 0 && !kmZulaessig(inspKm, anfKm))
        return NeuFehler::Kilometer;
    return NeuFehler::Keiner;
}

} // namespace inspektion
