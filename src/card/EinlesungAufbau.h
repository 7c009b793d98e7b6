#pragma once

#include "card/ImportZeilen.h"
#include "card/datafile/CardRecord.h"

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

Einlesung baueEinlesung(const std::vector<cardfile::CardRecord>& records, const FahrzeugBenennung& benennen,
                        const Fortschrittsmeldung& fortschritt = {});

// Appends a trip row, applying the continuation rule when `fortsetzung` is set.
void fuegeFahrtAn(std::vector<ImportFahrt>& fahrten, ImportFahrt fahrt, bool fortsetzung);
