#include "support/Fahrtvorlage.h"

build::Fahrt Fahrtvorlage::stunde(int kfz, const QDateTime& ab, int kmAb, int kmAn) const
{
    return {.kfz = kfz,
            .ab = ab,
            .an = ab.addSecs(3600),
            .kmAb = kmAb,
            .kmAn = kmAn,
            .start = start,
            .ziel = ziel,
            .zweck = zweck,
            .kategorie = kategorie,
            .fahrer = fahrer};
}
