#include "audit/Ankerpruefung.h"

#include "audit/PruefStore.h"
#include "db/Lesestand.h"

namespace ankerpruefung {

namespace {

std::optional<Anker> letzter(const std::vector<Anker>& anker, const std::optional<QString>& logbuch)
{
    for (auto it = anker.rbegin(); it != anker.rend(); ++it)
        if (!logbuch || it->logbuch == *logbuch)
            return *it;
    return std::nullopt;
}

Befund ergebnis(const Anker& anker)
{
    if (enthalten(anker))
        return {.stimmt = true,
                .text = QStringLiteral("Der zuletzt festgehaltene Stand %1 ist unverändert enthalten.")
                            .arg(ankerzeile::beschreibung(anker))};
    return {.stimmt = false,
            .text = QStringLiteral("Der zuletzt festgehaltene Stand %1 ist in diesem Fahrtenbuch nicht mehr "
                                   "enthalten: es wurde auf einen früheren Stand zurückgesetzt, durch eine ältere "
                                   "Datei ersetzt, gekürzt oder neu berechnet.")
                        .arg(ankerzeile::beschreibung(anker))};
}

} // namespace

std::optional<QByteArray> pruefwertBei(const std::array<qint64, pruefkette::alleKetten.size()>& anzahl)
{
    pruefkette::Koepfe koepfe;
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        const std::size_t i = pruefkette::index(kette);
        const auto wert = PruefStore::wertNach(kette, anzahl[i]);
        if (!wert)
            return std::nullopt;
        koepfe[i] = {anzahl[i], *wert};
    }
    return pruefkette::gesamtwert(koepfe);
}

bool enthalten(const Anker& anker)
{
    const Lesestand stand;
    return pruefwertBei(anker.anzahl) == anker.pruefwert;
}

Befund letztenPruefen(const Ankerdatei& datei, const std::optional<QString>& logbuch, bool erwartet)
{
    const Ankerdatei::Inhalt inhalt = datei.lesen();
    Befund befund;
    if (const std::optional<Anker> anker = letzter(inhalt.anker, logbuch))
        befund = ergebnis(*anker);
    else if (erwartet)
        befund = {.stimmt = false,
                  .text = inhalt.vorhanden
                              ? QStringLiteral("Die Datei %1 enthält keinen Prüfwertanker.").arg(datei.pfad())
                              : QStringLiteral("Die Datei %1 gibt es nicht.").arg(datei.pfad())};
    else
        befund.text =
            QStringLiteral("In %1 ist für dieses Fahrtenbuch noch kein Stand festgehalten.").arg(datei.pfad());
    if (inhalt.schaden) {
        befund.text += QLatin1Char('\n') + *inhalt.schaden;
        befund.stimmt = befund.stimmt && !erwartet;
        befund.beschaedigt = true;
    }
    return befund;
}

} // namespace ankerpruefung
