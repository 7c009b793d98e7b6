#pragma once

#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>

struct Fortschritt;
class QWidget;

#include <optional>

// The evaluation's files: "Exportieren …" saves the shown view as CSV, "Jahresfahrtenbuch …"
// writes a vehicle's year as PDF and CSV. Asks for names and folders through the prompts and
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

private:
    QString verzeichnis() const;

    QString verzeichnis_;
};
