#pragma once

#include <QString>

#include <functional>
#include <optional>

// What decides where the logbook lives.
struct Logbuchumgebung {
    std::optional<QString> gewaehlt; // --datenbank PFAD; relative to the working folder, or a server address
    std::optional<QString> server;   // the server chosen in the options (Datenbankwahl)
    bool installiert = false;        // an installed program, not one started from its build tree
    QString arbeitsordner;           // the working folder at start
    QString datenordner;             // the user's data folder (~/.local/share/Varno)
};

// The one logbook the program uses, and an earlier one it may offer to move there.
struct Logbuchort {
    QString datei; // or the address of a logbook on a server
    QString altesLogbuch; // empty: nothing to offer

    bool operator==(const Logbuchort&) const = default;
};

// The one rule for the whole program, so that no two logbooks are ever in use: a chosen file or
// server wins, then the server chosen in the options; the build tree (and scripts/run.sh) keeps the logbook in the working folder, as it always
// did; an installed program keeps it in the user's data folder and offers to move a logbook left in
// the working folder while its data folder has none yet.
Logbuchort logbuchort(const Logbuchumgebung& umgebung, const std::function<bool(const QString&)>& existiert);

// The facts of the running process: its working folder, whether it is installed, its data folder.
Logbuchumgebung logbuchumgebung(const std::optional<QString>& gewaehlt);

// Where the running process keeps its logbook.
Logbuchort logbuchort(const std::optional<QString>& gewaehlt);
