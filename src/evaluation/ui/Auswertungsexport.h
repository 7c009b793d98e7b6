#pragma once

#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>

#include <optional>

// The evaluation's files: "Exportieren …" saves the shown view as CSV, "Jahresfahrtenbuch …"
// writes a vehicle's year as PDF and CSV. Asks for names and folders through the prompts and
// starts the next export where the last one went.
class Auswertungsexport {
public:
    // Whether the file was written.
    bool ansicht(const Auswertungsstand& stand, const Fahrtenliste& fahrten, const QString& fahrzeug,
                 const QString& fahrer);
    // The vehicle chosen in the filter; none asks the user to choose one.
    void jahresfahrtenbuch(std::optional<int> fahrzeug, const QString& kennzeichen);

private:
    QString verzeichnis() const;

    QString verzeichnis_;
};
