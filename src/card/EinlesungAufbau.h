#pragma once

#include "card/GeteilteTexte.h"
#include "card/ImportZeilen.h"
#include "card/datafile/CardRecord.h"
#include "card/datafile/RecordSink.h"

#include <functional>
#include <vector>

// Turns the records of a card, in file order, into the trip and waypoint rows of a reading.
// A trip of kind "F" continues the trip row above it when both name the same vehicle: it takes
// that row's place, kind, reason and category, and the row above becomes an intermediate stop.

// The vehicle key for a record's vehicle number; may ask the user to create the vehicle.
using FahrzeugBenennung = std::function<QString(const cardfile::CardRecord&)>;
// Percent of the records done, called whenever it grows.
using Fortschrittsmeldung = std::function<void(int)>;

std::optional<QDateTime> importZeit(const std::optional<cardfile::RecorderTime>& zeit);

// Builds the rows record by record as the card is read, so a full card's records are never held
// beside the rows made of them.
class EinlesungAufbau : public cardfile::RecordSink {
public:
    EinlesungAufbau(const FahrzeugBenennung& benennen, const Fortschrittsmeldung& fortschritt);

    void expect(std::size_t records) override;
    void take(const cardfile::CardRecord& record) override;

    // The rows built so far; the builder is left empty.
    Einlesung ergebnis() { return std::move(einlesung_); }

private:
    void fortschrittMelden();

    const FahrzeugBenennung& benennen_;
    const Fortschrittsmeldung& fortschritt_;
    Einlesung einlesung_;
    GeteilteTexte texte_;
    std::size_t erwartet_ = 0;
    int gemeldet_ = 0;
};

Einlesung baueEinlesung(const std::vector<cardfile::CardRecord>& records, const FahrzeugBenennung& benennen,
                        const Fortschrittsmeldung& fortschritt = {});

// Appends a trip row, applying the continuation rule when `fortsetzung` is set.
void fuegeFahrtAn(std::vector<ImportFahrt>& fahrten, ImportFahrt fahrt, bool fortsetzung);
