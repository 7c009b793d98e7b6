#pragma once

#include "logbuch/kette/Fahrtnamen.h"
#include "evaluation/Fahrtenliste.h"

#include <QByteArray>
#include <QHash>

#include <vector>

class Rohabfrage;

// Puts the names a listed trip prints into the list's tables of names. A trip whose stored name
// is its master row's current name keeps that row's ID; any other text (a name changed since the
// trip was stored, a master row that is gone) gets an ID of its own below zero with that text, so
// a list of a million trips stays numbers and every printer keeps looking names up by ID. A trip
// stored before names were kept shows the current name, or the placeholder when the row is gone.
class Namensabgleich {
public:
    // `tabellen`: the current names by ID, one table per stored name of the field (two for the kind
    // of trip: its name and its short form); the first one's placeholder stands for a missing row.
    Namensabgleich(std::vector<QHash<int, QString>*> tabellen, fahrtnamen::Feld feld);

    // The ID for a trip naming master row `verweis` (a NULL reference: 0, which names nothing),
    // with its stored names in the query's columns from `ersteSpalte` on.
    int id(int verweis, const Rohabfrage& abfrage, int ersteSpalte);

private:
    int neu(int verweis, const Rohabfrage& abfrage, int ersteSpalte);

    std::vector<QHash<int, QString>*> tabellen_;
    fahrtnamen::Feld feld_;
    QByteArray schluessel_; // reference and stored names of the current trip
    QByteArray letzter_;
    int letzteId_ = 0;
    QHash<QByteArray, int> ids_;
    int naechsteEigene_ = -1;
};

// The matches of every name a listed trip prints.
class Fahrtnamenabgleich {
public:
    explicit Fahrtnamenabgleich(Stammnamen& namen);

    // Replaces the master IDs of `fahrt` by the IDs of the names it prints; its stored names are the
    // query's columns from `ersteSpalte` on, in the order of the name columns of T_MIREL.
    void abgleichen(GelisteteFahrt& fahrt, const Rohabfrage& abfrage, int ersteSpalte);

private:
    Namensabgleich orte_, art_, zwecke_, kategorien_, fahrer_, fahrzeuge_;
};
