#pragma once

#include "audit/Pruefergebnis.h"

#include <QString>

#include <optional>

// Whether a backup still holds what it held when it was written: the Prüfwert it notes against
// the value its content gives now. Its checksum alone proves nothing, as anyone can compute it anew.
struct Sicherungsbefund {
    std::optional<Pruefergebnis> pruefung; // the backup's chains; none before the chains began
    std::optional<QString> vermerkt;       // the Prüfwert it notes; none in backups of older versions

    // Why the backup does not vouch for itself: its chains do not hold, or its content gives
    // another Prüfwert than it notes. None when it does or cannot tell.
    std::optional<QString> mangel() const;
    // The question before such a backup is restored.
    QString frage() const;
    // What the restored logbook's protocol keeps about the check.
    QString protokoll() const;
};

// Checks the backup file at `pfad`, leaving it unchanged. Throws VarnoError.
Sicherungsbefund sicherungsbefund(const QString& pfad);
