#include "card/EinlesungAufbau.h"

#include "card/GeteilteTexte.h"

#include <algorithm>

namespace {

const QString zwischenstopp = QStringLiteral(" - Zwischenstopp");

ImportFahrt fahrtAus(const cardfile::CardRecord& record, const QString& kfzSchluessel, GeteilteTexte& texte)
{
    return ImportFahrt{.startzeit = importZeit(record.startTime),
                       .startKm = record.startKm,
                       .zielzeit = importZeit(record.endTime),
                       .zielKm = record.endKm,
                       .kfzSchluessel = kfzSchluessel,
                       .cfOk = record.isOk(),
                       .art = texte.text(record.kindOrUnassigned()),
                       .ort = texte.text(record.place),
                       .grund = texte.text(record.reason),
                       .kategorie = texte.text(record.category)};
}

ImportMerkpunkt merkpunktAus(const cardfile::CardRecord& record, const QString& kfzSchluessel)
{
    return ImportMerkpunkt{.zeit = importZeit(record.startTime), .km = record.startKm, .kfzSchluessel = kfzSchluessel};
}

} // namespace

std::optional<QDateTime> importZeit(const std::optional<cardfile::RecorderTime>& zeit)
{
    if (!zeit)
        return std::nullopt;
    return QDateTime(QDate(zeit->year, zeit->month, zeit->day), QTime(zeit->hour, zeit->minute, zeit->second), Qt::UTC);
}

void fuegeFahrtAn(std::vector<ImportFahrt>& fahrten, ImportFahrt fahrt, bool fortsetzung)
{
    if (fortsetzung) {
        ImportFahrt* vorige = fahrten.empty() ? nullptr : &fahrten.back();
        if (vorige && vorige->kfzSchluessel == fahrt.kfzSchluessel) {
            fahrt.ort = vorige->ort;
            fahrt.art = vorige->art;
            fahrt.grund = vorige->grund;
            fahrt.kategorie = vorige->kategorie;
            if (!vorige->ort.isEmpty())
                vorige->ort += zwischenstopp;
        } else {
            // Nothing to continue: the trip keeps its own texts but no kind.
            fahrt.art.clear();
        }
    }
    fahrten.push_back(std::move(fahrt));
}

Einlesung baueEinlesung(const std::vector<cardfile::CardRecord>& records, const FahrzeugBenennung& benennen,
                        const Fortschrittsmeldung& fortschritt)
{
    Einlesung einlesung;
    // Room for every row at once: a full card's lists are copied while they grow otherwise, and
    // for a moment held twice.
    const auto merkpunkte = static_cast<std::size_t>(
        std::count_if(records.begin(), records.end(), [](const cardfile::CardRecord& r) { return r.isWaypoint(); }));
    einlesung.merkpunkte.reserve(merkpunkte);
    einlesung.fahrten.reserve(records.size() - merkpunkte);
    GeteilteTexte texte;
    int gemeldet = 0;
    for (const cardfile::CardRecord& record : records) {
        const QString kfzSchluessel = benennen(record);
        if (record.isWaypoint())
            einlesung.merkpunkte.push_back(merkpunktAus(record, kfzSchluessel));
        else
            fuegeFahrtAn(einlesung.fahrten, fahrtAus(record, kfzSchluessel, texte), record.isContinuation());
        ++einlesung.bloecke;
        const int prozent = static_cast<int>(einlesung.bloecke * 100 / records.size());
        if (fortschritt && prozent > gemeldet)
            fortschritt(gemeldet = prozent);
    }
    return einlesung;
}
