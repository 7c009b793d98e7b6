#include "audit/Verankerung.h"

#include "audit/Ankerdatei.h"
#include "audit/Ankerpruefung.h"
#include "audit/Pruefstand.h"
#include "common/Clock.h"
#include "common/VarnoError.h"
#include "db/Database.h"
#include "db/Serveradresse.h"

#include <QFileInfo>

namespace verankerung {

QString logbuchname()
{
    const QString ort = Database::ort();
    if (istServeradresse(ort))
        return ort;
    const QFileInfo datei(ort);
    const QString kanonisch = datei.canonicalFilePath();
    return kanonisch.isEmpty() ? datei.absoluteFilePath() : kanonisch;
}

QStringList festhalten(const pruefkette::Koepfe& koepfe, const QString& anlass, const QStringList& weitereDateien,
                       Anschluss anschluss)
{
    const Ankerdatei eigene(Ankerdatei::benutzerdatei());
    // Anchoring a state that lost the anchored one would make a rollback or a recompute the new
    // truth.
    if (anschluss == Anschluss::Fortsetzung)
        if (const auto bisher = ankerpruefung::letztenPruefen(eigene, logbuchname(), false); bisher && !bisher->stimmt)
            return {QStringLiteral("Der Prüfwert wurde nicht festgehalten: ") + bisher->text};
    Anker anker{Clock::now(), anlass, pruefkette::gesamtwert(koepfe), {}, logbuchname()};
    for (pruefkette::Kette kette : pruefkette::alleKetten)
        anker.anzahl[pruefkette::index(kette)] = koepfe[pruefkette::index(kette)].anzahl;
    QStringList fehler;
    for (const QString& pfad : QStringList{eigene.pfad()} + weitereDateien) {
        try {
            Ankerdatei(pfad).anhaengen(anker);
        } catch (const VarnoError& e) {
            fehler << e.message();
        }
    }
    return fehler;
}

QStringList festhalten(const Pruefergebnis& ergebnis, const QString& anlass, const QStringList& weitereDateien,
                       Anschluss anschluss)
{
    if (!ergebnis.unveraendert())
        return {QStringLiteral("Der Prüfwert wurde nicht festgehalten: das Fahrtenbuch ist verändert.")};
    return festhalten(ergebnis.koepfe, anlass, weitereDateien, anschluss);
}

QStringList festhalten(Pruefstand& stand, const QString& anlass, Anschluss anschluss)
{
    try {
        return festhalten(stand.aktuell(), anlass, {}, anschluss);
    } catch (const VarnoError& fehler) {
        return {QStringLiteral("Der Prüfwert wurde nicht festgehalten: ") + fehler.message()};
    }
}

} // namespace verankerung
