#include "audit/Pruefbefehl.h"

#include "audit/Ankerpruefung.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/PruefStore.h"
#include "audit/Standsuche.h"
#include "audit/Verankerung.h"
#include "audit/Zeitstempelpruefung.h"
#include "common/VarnoError.h"
#include "common/Zaehlwoerter.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"

namespace pruefbefehl {

namespace {

// Closes the file however the check ends.
class Geoeffnet {
public:
    explicit Geoeffnet(const QString& pfad) { Logbuch::wieVorgefunden(pfad, Database::Access::ReadOnly); }
    ~Geoeffnet() { Database::schliessen(); }
    Geoeffnet(const Geoeffnet&) = delete;
    Geoeffnet& operator=(const Geoeffnet&) = delete;
};

void schemaPruefen()
{
    const int version = PruefStore::schemaversion();
    // Without a schema number the database is no logbook of this program: opening it adds nothing.
    if (version == 0)
        throw VarnoError(QStringLiteral("Die Datenbank enthält kein Fahrtenbuch von Varno."));
    if (version < 2)
        throw VarnoError(QStringLiteral("Die Datei hat noch keine Prüfkette (Schema %1). Varno legt sie an, sobald "
                                        "es das Fahrtenbuch öffnet.")
                             .arg(version));
    if (version > Schema::currentVersion)
        throw VarnoError(
            QStringLiteral("Die Datenbank stammt aus einer neueren Programmversion (Schema %1).").arg(version));
}

QString standText(const QString& pruefwert, const std::optional<qint64>& eintraege)
{
    if (!eintraege)
        return QStringLiteral("Der Stand mit dem Prüfwert %1 ist in dieser Datei nicht unverändert enthalten.")
            .arg(pruefwert);
    return QStringLiteral("Der Stand mit dem Prüfwert %1 (%2) ist unverändert in dieser Datei enthalten.")
        .arg(pruefwert)
        .arg(anzahl(*eintraege, zaehlwort::eintrag));
}

// Adds what the anchors say to `text`; false when the anchored state is gone.
bool ankerVergleichen(const std::optional<QString>& anker, QString& text)
{
    const auto befund = anker ? ankerpruefung::letztenPruefen(Ankerdatei(*anker), std::nullopt, true)
                              : ankerpruefung::letztenPruefen(Ankerdatei(Ankerdatei::benutzerdatei()),
                                                              verankerung::logbuchname(), false);
    text += QLatin1Char('\n') + befund.text;
    return befund.stimmt;
}

// Names every stored time stamp with what its check found; false when one does not hold.
bool zeitstempelPruefen(QString& text)
{
    const zeitstempelpruefung::Gesamtbefund befund = zeitstempelpruefung::allePruefen();
    for (const QString& zeile : befund.zeilen)
        text += QLatin1Char('\n') + zeile;
    return befund.stimmt;
}

} // namespace

Ergebnis ausfuehren(const QString& datenbank, const std::optional<QString>& gegen, const std::optional<QString>& anker)
{
    std::optional<QString> gesucht;
    if (gegen) {
        gesucht = standsuche::pruefwertLesen(*gegen);
        if (!gesucht)
            return {fehler, QStringLiteral("Der Prüfwert „%1“ besteht nicht aus 32 Hexadezimalziffern (oder den 16 "
                                           "früher gedruckten).")
                                .arg(*gegen)};
    }
    try {
        const Geoeffnet datei(datenbank);
        schemaPruefen();
        const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
        QString text = ergebnis.bericht();
        const bool ankerStimmt = ankerVergleichen(anker, text);
        bool stimmt = zeitstempelPruefen(text) && ankerStimmt && ergebnis.unveraendert();
        if (gesucht) {
            const std::optional<qint64> stand = standsuche::finden(*gesucht, ergebnis);
            text +=
                QLatin1Char('\n') + standText(pruefkette::vollanzeige(QByteArray::fromHex(gesucht->toLatin1())), stand);
            stimmt = stimmt && stand.has_value();
        }
        // Only a check against the user's own anchors moves them on: a file given for the check
        // is someone else's record. Those anchors were checked above and need no second reading.
        if (!anker && stimmt)
            for (const QString& fehlerText : verankerung::festhalten(ergebnis, QStringLiteral("Prüfung"), {},
                                                                     verankerung::Anschluss::Geprueft))
                text += QLatin1Char('\n') + fehlerText;
        return {stimmt ? unveraendert : veraendert, text};
    } catch (const VarnoError& fehlerText) {
        return {
            fehler,
            QStringLiteral("Das Fahrtenbuch %1 konnte nicht geprüft werden: %2").arg(datenbank, fehlerText.message())};
    }
}

} // namespace pruefbefehl
