#pragma once

#include <QString>

#include <optional>

// The address of a time-stamping service as typed: empty (no service) or an http or https URL
// with a host. Anything else is refused before it is stored or asked.
namespace dienstadresse {

// What is wrong with `adresse`, in German; none when it can be used.
std::optional<QString> fehler(const QString& adresse);

} // namespace dienstadresse
