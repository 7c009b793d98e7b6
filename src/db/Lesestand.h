#pragma once

#include "db/SqlStatement.h"

#include <optional>

// One consistent state of the whole logbook for as long as it lives, for reading several tables
// to state one fact (a check, a Prüfwert): another user's commit in between never shows halfway.
// Inside a transaction the caller opened already, that one is the snapshot.
class Lesestand {
public:
    Lesestand();
    Lesestand(const Lesestand&) = delete;
    Lesestand& operator=(const Lesestand&) = delete;

private:
    std::optional<Transaction> transaktion_;
};
