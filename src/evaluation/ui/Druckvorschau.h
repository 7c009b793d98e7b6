#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/report/LaidOutReport.h"
#include "evaluation/report/QuickReportAuswertung.h"
#include "evaluation/report/ReportDefinition.h"
#include "evaluation/ui/TF_AuswertungMirel.h"

#include <functional>
#include <optional>

// "Druckvorschau" of the evaluation window: turns the result on screen into its report, lays it
// out and shows it in the print preview. The trip report prints exactly the listed trips.
class Druckvorschau {
public:
    using Vorschau = std::function<void(LaidOutReport report, QWidget* parent)>;

    Druckvorschau(TF_AuswertungMirel& fenster, Fortschritt fortschritt,
                  Vorschau vorschau = {});

    // The "Druckvorschau" button's work; the button is disabled meanwhile and enabled again
    // afterwards, also when preparing or showing the report fails.
    void operator()() const;

    // The report of the shown result; nothing for a view without one.
    std::optional<ReportDefinition> bericht() const;

private:
    std::optional<ReportDefinition> berichtOhneVermerk() const;
    // "Prüfwert <value> – Fahrtenbuch geprüft: <state>" for every page's footer.
    QString pruefvermerk() const;
    FahrtenBerichtDaten fahrtenDaten() const;

    TF_AuswertungMirel* fenster_;
    Fortschritt fortschritt_;
    Vorschau vorschau_;
    BerichtStore store_;
};
