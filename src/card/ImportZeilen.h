#pragma once

#include "card/datafile/RecordArea.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

// The rows one reading of a card lists. Times are the recorder's wall-clock times, held as
// QDateTime in UTC so that no daylight-saving gap or overlap shifts them.

// One trip row of the list "Fahrten".
struct ImportFahrt {
    std::optional<QDateTime> startzeit;
    int startKm = 0;
    std::optional<QDateTime> zielzeit;
    int zielKm = 0;
    // "<KFZID> - <KZuFzg>"
    QString kfzSchluessel;
    bool cfOk = false;
    QString art;
    QString ort;
    QString grund;
    QString kategorie;
};

// One waypoint row of the list "Merkpunkte".
struct ImportMerkpunkt {
    std::optional<QDateTime> zeit;
    int km = 0;
    QString kfzSchluessel;
    QString bemerkung;
    // Its row in T_Merkpunkte once stored, so a remark typed later updates that row.
    std::optional<qlonglong> zeile;
};

struct Einlesung {
    std::vector<ImportFahrt> fahrten;
    std::vector<ImportMerkpunkt> merkpunkte;
    // Trips and waypoints together: what taking over erases on the card.
    std::size_t bloecke = 0;
    // The blocks as read from the file, so an erase can tell the card still holds them.
    cardfile::ReadBlocks gelesen;
};

// Columns of the trip list in their order.
enum FahrtSpalte {
    SpalteStartzeit,
    SpalteStartKm,
    SpalteZielzeit,
    SpalteZielKm,
    SpalteKfzId,
    SpalteCF,
    SpalteArt,
    SpalteOrt,
    SpalteGrund,
    SpalteKategorie,
    SpalteMarkierung,
    FahrtSpalten
};

enum MerkpunktSpalte { SpalteZeit, SpalteKilometer, SpalteMerkpunktKfz, SpalteBemerkung, MerkpunktSpalten };

// "14.03.2005 08:15:30"; a time of exactly midnight is the date alone; no time is a single blank.
QString importZeittext(const std::optional<QDateTime>& zeit);

QString zelltext(const ImportFahrt& fahrt, int spalte);
QString zelltext(const ImportMerkpunkt& merkpunkt, int spalte);

// The column headers of the two lists; the marking column has none.
const QStringList& fahrtSpaltenkoepfe();
const QStringList& merkpunktSpaltenkoepfe();
