#include "audit/ui/Startpruefung.h"

#include "audit/Ankerpruefung.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefstand.h"
#include "audit/Verankerung.h"
#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common/Zaehlwoerter.h"
#include "common_ui/Sanduhr.h"

#include <QStringList>

namespace {

// The box stays readable however much was changed; the window lists everything.
constexpr std::size_t genannteBefunde = 5;

QString warnung(const Pruefergebnis& ergebnis)
{
    QStringList zeilen{QStringLiteral("Die Prüfung des Fahrtenbuchs hat %1 gefunden: Einträge wurden nach "
                                      "dem Speichern außerhalb von Varno verändert, gelöscht oder eingefügt.")
                           .arg(anzahl(ergebnis.befunde.size(), zaehlwort::abweichung)),
                       QString()};
    for (std::size_t i = 0; i < ergebnis.befunde.size() && i < genannteBefunde; ++i)
        zeilen << QStringLiteral("- ") + ergebnis.befunde[i].text();
    if (ergebnis.befunde.size() > genannteBefunde)
        zeilen << QStringLiteral("- und %1 weitere").arg(ergebnis.befunde.size() - genannteBefunde);
    zeilen << QString() << QStringLiteral("Alle Befunde zeigt Extras > Fahrtenbuch prüfen.");
    return zeilen.join(QLatin1Char('\n'));
}

// The state noted outside the logbook at the last end, backup or report must still be in it.
void ankerPruefen()
{
    const auto befund =
        ankerpruefung::letztenPruefen(Ankerdatei(Ankerdatei::benutzerdatei()), verankerung::logbuchname(), false);
    if (befund && !befund->stimmt)
        prompt::warning(QStringLiteral("Das Fahrtenbuch ist nicht mehr auf dem festgehaltenen Stand.\n\n") +
                        befund->text);
    else if (befund && befund->beschaedigt)
        prompt::warning(QStringLiteral("Die Datei der festgehaltenen Prüfwerte ist beschädigt.\n\n") + befund->text);
}

} // namespace

namespace startpruefung {

void pruefenUndWarnen(Pruefstand& stand)
{
    try {
        std::optional<Pruefergebnis> ergebnis;
        {
            const Sanduhr sanduhr;
            ergebnis = fahrtenbuchpruefung::pruefen();
        }
        stand.merken(*ergebnis);
        if (!ergebnis->unveraendert())
            prompt::warning(warnung(*ergebnis));
        ankerPruefen();
    } catch (const VarnoError& fehler) {
        prompt::warning(QStringLiteral("Das Fahrtenbuch konnte nicht geprüft werden: ") + fehler.message());
    }
}

} // namespace startpruefung
