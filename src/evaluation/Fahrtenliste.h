#pragma once

#include "evaluation/KilometerJeArt.h"
#include "evaluation/Zeitpunkt.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// One listed logbook row, held as numbers and master-row IDs so a list of a million trips stays
// small; the cell texts are made when a row is shown.
struct GelisteteFahrt {
    int id = 0;
    std::optional<zeitpunkt::Sekunden> abfahrt;
    std::optional<zeitpunkt::Sekunden> ankunft;
    int kmAb = 0;
    int kmAn = 0;
    int start = 0;
    int ziel = 0;
    int fahrzeug = 0;
    int fahrer = 0;
    int zweck = 0;
    int kategorie = 0;
    int art = 0;
    bool mitBemerkung = false;
};

// The names behind the IDs of a trip list, read together with it.
struct Stammnamen {
    QHash<int, QString> orte;
    QHash<int, QString> fahrzeuge;
    QHash<int, QString> fahrer;
    QHash<int, QString> zwecke;
    QHash<int, QString> kategorien;
    QHash<int, QString> artKuerzel;
    QHash<int, QString> artNamen;
};

// How a listed row was replaced: when, why, and whether the trip was cancelled.
struct Ersetzung {
    QString erfasst; // German date and time the replacing row was stored
    QString grund;
    bool storniert = false;
};

// The result of the trip view: the trips in list order (their IDs are the row-to-trip list) and
// the texts of the twelve columns. It may grow row by row while the logbook is read (Fahrtenleser);
// the count and the kilometres follow each added row.
class Fahrtenliste {
public:
    // The list's columns in the order of Fahrtspalte::liste(), which holds their titles and values.
    enum Spalte { Abfahrt, Ankunft, Von, Nach, KmAbf, KmAnk, Fahrzeug, Fahrer, Zweck, Kategorie, Art, Bem, Spalten };

    static const QStringList& kopf();
    // A trip arriving on 1 January 2002 carries no real times; the list leaves them empty.
    static bool ohneZeiten(const GelisteteFahrt& fahrt);

    Fahrtenliste() = default;
    // `ersetzungen` names the listed rows that are no longer current, by trip ID.
    Fahrtenliste(std::vector<GelisteteFahrt> fahrten, Stammnamen namen, QHash<int, Ersetzung> ersetzungen = {});

    // Room for that many trips, so a growing list is not copied as it grows.
    void reservieren(std::size_t anzahl) { fahrten_.reserve(anzahl); }
    // `namen`: the names of the list so far, the new trips' included.
    void anhaengen(const std::vector<GelisteteFahrt>& fahrten, const Stammnamen& namen);
    // Departure order, the list order; trips of the same departure by ID.
    bool geordnet() const;
    void ordnen();

    const std::vector<GelisteteFahrt>& fahrten() const { return fahrten_; }
    std::size_t anzahl() const { return fahrten_.size(); }
    bool leer() const { return fahrten_.empty(); }
    const GelisteteFahrt& fahrt(std::size_t zeile) const { return fahrten_.at(zeile); }
    const Stammnamen& namen() const { return namen_; }

    QString zelle(std::size_t zeile, int spalte) const;
    // What replaced the row; none for a current trip.
    const Ersetzung* ersetzung(std::size_t zeile) const;
    // The listed trips that count: current versions only.
    std::size_t anzahlAktuell() const { return anzahlAktuell_; }
    // Sum of "KM-Ank." minus "KM-Abf." over the listed current trips.
    qint64 kilometer() const { return kilometer_; }
    KilometerJeArt kilometerJeArt() const;

private:
    // Adds the trip to the count and kilometres when it is current.
    void zaehlen(const GelisteteFahrt& fahrt);

    std::vector<GelisteteFahrt> fahrten_;
    Stammnamen namen_;
    QHash<int, Ersetzung> ersetzungen_;
    std::size_t anzahlAktuell_ = 0;
    qint64 kilometer_ = 0;
};
