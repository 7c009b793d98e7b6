#pragma once

#include "network/Zeitstempelung.h"

#include <QStringList>

#include <functional>
#include <optional>

// A backup's state, as its own chain notes give it, kept in the user's anchor file and in one
// beside the backup ("<backup>.pruefwerte.txt"), so the backup can be matched to the logbook
// later without either file; and, when the options name a time-stamping service, stamped by it
// ("<backup>.tsr" and the protocol).
struct Sicherungsvermerke {
    QStringList fehler; // what failed with the anchors, in German
    std::optional<zeitstempelung::Ergebnis> zeitstempel;
};

// `fortschritt` hears the wait for the time-stamping service.
Sicherungsvermerke sicherungFesthalten(const QString& sicherung, const std::function<void(int)>& fortschritt = {});
