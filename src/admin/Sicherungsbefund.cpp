#include "admin/Sicherungsbefund.h"

#include "admin/PruefwertvermerkStore.h"
#include "audit/Dateipruefung.h"
#include "audit/Standsuche.h"
#include "common/Zaehlwoerter.h"

namespace {

// A noted value in any printed form (earlier versions noted 16 digits) against the content's value.
bool vermerkStimmt(const QString& vermerkt, const Pruefergebnis& pruefung)
{
    const auto gelesen = standsuche::pruefwertLesen(vermerkt);
    const auto inhalt = standsuche::pruefwertLesen(pruefung.pruefwert());
    return gelesen && inhalt && (inhalt->startsWith(*gelesen) || gelesen->startsWith(*inhalt));
}

} // namespace

std::optional<QString> Sicherungsbefund::mangel() const
{
    if (!pruefung)
        return std::nullopt;
    if (!pruefung->unveraendert())
        return QStringLiteral("Die Prüfung der Sicherung hat %1 gefunden: Einträge der Sicherung wurden nach dem "
                              "Speichern verändert, gelöscht oder eingefügt (zuerst: %2).")
            .arg(anzahl(pruefung->befunde.size(), zaehlwort::abweichung), pruefung->befunde.front().text());
    if (vermerkt && !vermerkStimmt(*vermerkt, *pruefung))
        return QStringLiteral("Die Sicherung vermerkt den Prüfwert %1, ihr Inhalt ergibt aber %2: sie wurde nach dem "
                              "Sichern verändert.")
            .arg(*vermerkt, pruefung->pruefwert());
    return std::nullopt;
}

QString Sicherungsbefund::frage() const
{
    return mangel().value_or(QString()) + QStringLiteral(" Trotzdem zurücksichern?");
}

QString Sicherungsbefund::protokoll() const
{
    if (!pruefung)
        return QStringLiteral("Die Sicherung stammt aus der Zeit vor der Prüfkette.");
    if (const auto grund = mangel())
        return *grund + QStringLiteral(" Die Rücksicherung wurde trotzdem bestätigt.");
    if (!vermerkt)
        return QStringLiteral("Die Sicherung vermerkt keinen Prüfwert; ihr Inhalt ergibt den Prüfwert %1.")
            .arg(pruefung->pruefwert());
    return QStringLiteral("Die Sicherung ist unverändert: ihr Inhalt ergibt den vermerkten Prüfwert %1.")
        .arg(pruefung->pruefwert());
}

Sicherungsbefund sicherungsbefund(const QString& pfad)
{
    return {dateipruefung::pruefen(pfad), PruefwertvermerkStore::pruefwert(pfad)};
}
