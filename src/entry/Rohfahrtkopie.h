#pragma once

#include "entry/EingabeStore.h"

#include <QDate>
#include <QString>

#include <optional>

// What copying a raw trip of a card vehicle puts into the trip entry's fields, and which of them
// stay open to the user: what the recorder knew is fixed, what it missed is left to be typed.
struct Rohfahrtkopie {
    QDate datum;
    QString abfahrt;   // "hh:mm"; empty when the user must type it
    bool abfahrtFrei = false;
    QString ankunft;   // empty when the recorder has none
    bool ankunftFrei = false;
    QString kmStand;
    std::optional<QString> km; // set only from a recorded arrival reading
    bool kmFrei = false;
    std::optional<QString> von; // set only when the arrival reading is recorded
    bool vonFrei = true;
    QString nach;
    QString zweck;
    QString kategorie;
    QString fahrer;
    int art = 0; // index of the kind of trip
    // Said before the fields are filled: the departure lies before the logbook could start.
    std::optional<QString> hinweis;
    // Said after: the recorder lost the arrival, which must now be typed.
    std::optional<QString> warnung;
};

// The trip continues the last one when it starts at the last reading and the last trip had a
// destination; its start is then that destination and cannot be changed.
Rohfahrtkopie rohfahrtKopieren(const Rohfahrt& fahrt, qint64 letzterKmStand, const QString& letztesZiel);
