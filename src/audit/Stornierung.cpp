#include "audit/Stornierung.h"

#include "audit/KorrekturStore.h"
#include "common/Prompts.h"

namespace stornierung {

bool fahrtStornieren(int fahrtId)
{
    const std::optional<Fassung> fahrt = KorrekturStore::fassung(fahrtId);
    if (!fahrt)
        return false;
    const std::optional<QString> grund = Prompts::instance().inputWithSuggestions(
        QStringLiteral("Fahrt stornieren"),
        korrektur::fahrt(*fahrt) + QStringLiteral(" stornieren. Grund der Stornierung:"), korrektur::ueblicheGruende());
    if (!grund)
        return false;
    if (const auto meldung = korrektur::ohneGrundStorniert(*grund)) {
        prompt::beep();
        prompt::error(*meldung);
        return false;
    }
    KorrekturStore::stornieren(fahrtId, grund->trimmed());
    return true;
}

} // namespace stornierung
