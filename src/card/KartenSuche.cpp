#include "card/KartenSuche.h"

#include "card/Kartengroesse.h"

namespace kartensuche {

Ergebnis suchen(const std::vector<RemovableDrive>& laufwerke,
                const std::function<bool(const RemovableDrive&)>& anbieten)
{
    Ergebnis ergebnis;
    for (const RemovableDrive& laufwerk : laufwerke) {
        ergebnis.ausgang = Ausgang::Ungeeignet;
        ergebnis.letztesLaufwerk = laufwerk.root;
        if (!laufwerk.readable
            || !kartengroesse::passend(kartengroesse::inBytes(laufwerk.blockSize, laufwerk.blockCount)))
            continue;
        ergebnis.ausgang = Ausgang::Angeboten;
        if (anbieten(laufwerk)) {
            ergebnis.gewaehlt = laufwerk;
            break;
        }
    }
    return ergebnis;
}

} // namespace kartensuche
