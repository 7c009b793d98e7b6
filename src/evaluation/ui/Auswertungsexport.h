#pragma once

#include "common_ui/LangeArbeit.h"
#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>

struct Fortschritt;
class QWidget;

#include <optional>

// The evaluation's files: "Exportieren …" saves the shown view as CSV, "Jahresfahrtenbuch …"
// writes a vehicle's year as PDF and CSV, "Export für die Betriebsprüfung …" a year's data for the
// auditor into a new folder. Asks for names and folders through the prompts and
// starts the next export where the last one went.
class Auswertungsexport {
public:
    // Whether the file was written.
    bool ansicht(const Auswertungsstand& stand, const Fahrtenliste& fahrten, const QString& fahrzeug,
                 const QString& fahrer);
    // The vehicle chosen in the filter; none asks the user to choose one. The progress window
    // stands over `fenster` while the files are written and a time stamp is awaited.
    void jahresfahrtenbuch(std::optional<int> fahrzeug, const QString& kennzeichen, const Fortschritt& fortschritt,
                           const QWidget* fenster);
    // Of that vehicle, or of all vehicles without one; the progress window shows over `fenster`.
    void betriebspruefung(std::optional<int> fahrzeug, const QString& kennzeichen, const Fortschritt& fortschritt,
                          const QWidget* fenster);

private:
    QString verzeichnis() const;
    // The year typed for `titel`; none when the user cancelled or typed no year (then told so).
    std::optional<int> jahrErfragen(const QString& titel) const;

    QString verzeichnis_;
};
