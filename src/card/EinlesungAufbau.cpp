#include "card/EinlesungAufbau.h"

#include "card/datafile/HugePages.h"

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
    // Counted from the seconds rather than built from date and time: a full card converts a quarter
    // of a million times, and the calendar's checks cost more than the rest of a row.
    return QDateTime::fromSecsSinceEpoch(cardfile::secondsSince1970(*zeit), Qt::UTC);
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

EinlesungAufbau::EinlesungAufbau(const FahrzeugBenennung& benennen, const Fortschrittsmeldung& fortschritt)
    : benennen_(benennen), fortschritt_(fortschritt)
{
}

void EinlesungAufbau::expect(std::size_t records)
{
    erwartet_ = records;
    // Room for every trip at once: a full card's list is copied while it grows otherwise, and for
    // a moment held twice. Room the waypoints leave unused is never touched, so it costs no memory
    // beyond the rest of the huge page the last trips share. A file written to while it is read may
    // bring more records: the list then grows.
    einlesung_.fahrten.reserve(records);
    cardfile::preferHugePages(einlesung_.fahrten.data(), einlesung_.fahrten.capacity() * sizeof(ImportFahrt));
}

void EinlesungAufbau::take(const cardfile::CardRecord& record)
{
    const QString kfzSchluessel = benennen_(record);
    if (record.isWaypoint())
        einlesung_.merkpunkte.push_back(merkpunktAus(record, kfzSchluessel));
    else
        fuegeFahrtAn(einlesung_.fahrten, fahrtAus(record, kfzSchluessel, texte_), record.isContinuation());
    ++einlesung_.bloecke;
    fortschrittMelden();
}

void EinlesungAufbau::fortschrittMelden()
{
    if (!fortschritt_)
        return;
    const auto prozent =
        static_cast<int>(std::min<std::size_t>(einlesung_.bloecke * 100 / std::max<std::size_t>(erwartet_, 1), 100));
    if (prozent > gemeldet_)
        fortschritt_(gemeldet_ = prozent);
}

Einlesung baueEinlesung(const std::vector<cardfile::CardRecord>& records, const FahrzeugBenennung& benennen,
                        const Fortschrittsmeldung& fortschritt)
{
    EinlesungAufbau aufbau(benennen, fortschritt);
    aufbau.expect(records.size());
    for (const cardfile::CardRecord& record : records)
        aufbau.take(record);
    return aufbau.ergebnis();
}
