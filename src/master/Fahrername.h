#pragma once

#include <QString>

#include <optional>

// Other windows find a driver by name, so a name must be given and must not belong to another driver.
// Returns the message that refuses the name, or nothing when it may be stored.
std::optional<QString> fahrernameFehler(const QString& name, bool schonVergeben);
