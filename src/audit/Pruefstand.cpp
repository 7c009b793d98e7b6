#include "audit/Pruefstand.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/PruefStore.h"
#include "audit/Zeitstempelpruefung.h"
#include "common/GermanFormat.h"
#include "common/VarnoError.h"

const Pruefergebnis& Pruefstand::aktuell()
{
    const QString stand = PruefStore::datenstand();
    if (!ergebnis_ || stand != datenstand_) {
        ergebnis_ = fahrtenbuchpruefung::pruefen();
        datenstand_ = stand;
    }
    return *ergebnis_;
}

void Pruefstand::merken(const Pruefergebnis& ergebnis)
{
    ergebnis_ = ergebnis;
    datenstand_ = PruefStore::datenstand();
}

QString Pruefstand::vermerk()
{
    try {
        const Pruefergebnis& ergebnis = aktuell();
        QString vermerk = ergebnis.vermerk();
        // A Prüfwert vouches for entries stored since the chains began, not for older ones.
        if (ergebnis.kettenbeginn)
            vermerk += QStringLiteral("\nPrüfkette seit ") + german::date(ergebnis.kettenbeginn->date());
        // Only a logbook that holds vouches for a time stamp of its state.
        if (ergebnis.unveraendert())
            if (const auto zeitstempel = zeitstempelpruefung::allePruefen().letzter)
                vermerk += QLatin1Char('\n') + zeitstempeleintrag::vermerk(*zeitstempel);
        return vermerk;
    } catch (const VarnoError& fehler) {
        return QStringLiteral("Prüfwert nicht ermittelbar: ") + fehler.message();
    }
}
