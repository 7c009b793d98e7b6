#include "card/Kartenuebernahme.h"

#include "card/Datendatei.h"
#include "card/KartenimportStore.h"
#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "common/Clock.h"

#include <QSet>

namespace kartenuebernahme {

Einlesung lesen(const QString& pfad, const FahrzeugBenennung& benennen, const Fortschrittsmeldung& fortschritt)
{
    EinlesungAufbau aufbau(benennen, fortschritt);
    const cardfile::ReadBlocks gelesen = cardfile::streamRecords(datendatei::pfad(pfad), aufbau);
    Einlesung einlesung = aufbau.ergebnis();
    einlesung.gelesen = gelesen;
    return einlesung;
}

Pruefung pruefen(const QString& cfid, const std::vector<ImportFahrt>& fahrten)
{
    const QSet<QString> gespeichert = KartenimportStore::gespeicherteFahrten(cfid);
    // A card none of whose trips are stored yet needs no identification of each trip.
    if (gespeichert.isEmpty())
        return pruefeFahrten(fahrten, {});
    return pruefeFahrten(fahrten, [&gespeichert](const ImportFahrt& fahrt) {
        return gespeichert.contains(KartenimportStore::fahrtKennung(fahrt));
    });
}

std::vector<const ImportFahrt*> gruene(const std::vector<ImportFahrt>& fahrten, const std::vector<bool>& rot)
{
    std::vector<const ImportFahrt*> ergebnis;
    for (std::size_t i = 0; i < fahrten.size(); ++i)
        if (i >= rot.size() || !rot[i])
            ergebnis.push_back(&fahrten[i]);
    return ergebnis;
}

Ergebnis uebernehmen(const Herkunft& herkunft, const std::vector<const ImportFahrt*>& fahrten,
                     const std::vector<ImportMerkpunkt>& merkpunkte, const Fortschrittsmeldung& fortschritt)
{
    Ergebnis ergebnis;
    ergebnis.merkpunktZeilen =
        KartenimportStore::uebernehmen(herkunft.cfid, Clock::now(), fahrten, merkpunkte, fortschritt);
    try {
        // Erasing another card's blocks would destroy trips nobody has read.
        ergebnis.karteGewechselt =
            !herkunft.gleicheKarte() || cardfile::eraseRecords(datendatei::pfad(herkunft.pfad), herkunft.gelesen) ==
                                            cardfile::EraseResult::FileChanged;
    } catch (const cardfile::CardFileError& fehler) {
        // The trips are stored; a later reading marks them red, so they are not taken over twice.
        ergebnis.loeschfehler = QString::fromStdString(fehler.what());
    }
    return ergebnis;
}

QString karteGewechseltText()
{
    return QStringLiteral("Die Speicherkarte wurde seit dem Einlesen gewechselt oder verändert. Die Fahrten wurden "
                          "übernommen, von der Speicherkarte wurde nichts gelöscht. Bitte lesen Sie die Speicherkarte "
                          "erneut ein.");
}

} // namespace kartenuebernahme
