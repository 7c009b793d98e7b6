#pragma once

#include "evaluation/KilometerJeArt.h"
#include "evaluation/report/ReportDefinition.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// The trip report "Fahrtenbuch": the listed logbook rows, two lines each, with kilometre totals
// per kind of trip. A4 landscape, 10 mm margins.

// One listed trip with the names it prints.
struct FahrtenZeile {
    QDateTime abDat;
    QDateTime anDat;
    QString start;
    QString ziel;
    int kmAb = 0;
    int kmAn = 0;
    QString kfz;
    QString fahrer;
    QString zweck;
    QString kategorie;
    QString art; // abbreviation: "U", "P", "A", "G"
    QString bemerkung;
    QString erfasst; // when the trip was stored, as shown
};

// One correction or cancellation for the section "Korrekturen".
struct KorrekturZeile {
    QString fahrt;   // "Fahrt vom 01.03.2006 08:00, B-XY 1, Golf"
    QString vorgang; // "korrigiert am 05.03.2006 10:12:30", "storniert am ..."
    QString grund;
    QStringList aenderungen; // "km-Ankunft: 1050 → 1005"; empty for a cancellation
};

// The texts of the evaluation window's filter controls as they stand.
struct FilterTexte {
    QString von = QStringLiteral("alle");
    QString nach = QStringLiteral("alle");
    QString zweck = QStringLiteral("alle");
    QString kategorie = QStringLiteral("alle");
    QString art = QStringLiteral("alle");
    QString bemerkung = QStringLiteral("alle");
    QString kmAbf; // odometer edits, empty when not set
    QString kmAnk;
};

struct FahrtenBerichtDaten {
    QString kfz;    // vehicle list text, may be "alle"
    QString fahrer; // driver list text, may be "alle"
    FilterTexte filter;
    std::optional<QDate> abDatum; // set when "Abfahrt" is ticked
    std::optional<QDate> anDatum; // set when "Ankunft" is ticked
    std::vector<FahrtenZeile> fahrten; // exactly the rows of the trip list, in its order
    KilometerJeArt summen;
    std::vector<KorrekturZeile> korrekturen; // of the trips in the period, printed at the end
};

class TQuickReport {
public:
    // The labels the report fills before it is laid out.
    struct Beschriftung {
        QString lAuswertDat;
        QString lKFZ;
        QString lFahrer;
        QString lFilter;
        QString tU, tP, tA, tG, tGesamt;
    };

    static Beschriftung QuickRepBeforePrint(const FahrtenBerichtDaten& daten);
    static ReportDefinition bericht(const FahrtenBerichtDaten& daten);
};

// The kilometres per kind: arrival minus departure odometer of every trip of that kind; other
// kinds count nowhere. progress receives 100 * row / rows after each row.
KilometerJeArt artSummen(const std::vector<FahrtenZeile>& fahrten, const std::function<void(int)>& progress = {});

// The list of set filters, for example "Zweck, Art, von 100 km bis 200 km", or
// "kein Filter gesetzt".
QString gesetzteFilter(const FilterTexte& filter);

// "Auswertung vom <from> bis <to>": the ticked dates, otherwise the first listed departure and the
// last listed trip's arrival; without any listed trip the bounds the filter uses (1.1.2002, today).
QString auswertungsZeitraum(const std::optional<QDate>& abDatum, const std::optional<QDate>& anDatum,
                            const std::vector<FahrtenZeile>& fahrten);
