#include "start/Logbuchoeffnung.h"

#include "common/Prompts.h"
#include "logbuch/Logbuch.h"

namespace logbuchoeffnung {

bool oeffnen(const QString& ort, Database::Access zugriff, const NeuesServerlogbuch& neuesServerlogbuch)
{
    try {
        Logbuch::oeffnen(ort, zugriff);
        return true;
    } catch (const Logbuch::LeereDatenbank& leer) {
        if (!neuesServerlogbuch)
            throw;
        if (!neuesServerlogbuch(leer.message()))
            return false;
    }
    Logbuch::anlegen(ort);
    return true;
}

std::optional<Startbefund> dateiPruefen(const Startdateipruefung& pruefung, const QString& datei)
{
    Startbefund befund = pruefung.pruefen(datei);
    while (befund.weiter == Startbefund::Weiter::WiederholenAnbieten) {
        if (!prompt::confirm(QStringLiteral("Warnung"), befund.meldung, PromptIcon::Warning))
            return std::nullopt;
        befund = pruefung.pruefen(datei);
    }
    return befund;
}

} // namespace logbuchoeffnung
