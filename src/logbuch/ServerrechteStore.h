#pragma once

#include <QString>

#include <optional>

// The rights a user needs on a server logbook: using its schema; reading, inserting, changing
// and deleting in every table; using, reading and advancing every sequence (the keys of new rows).
namespace ServerrechteStore {

// The first right the connected user lacks, as a German sentence naming the right, the object and
// how to get it; none when the user may do everything the program does (`nurLesen`: may read).
std::optional<QString> fehlendesRecht(bool nurLesen);

// Grants role `rolle` the rights, also on tables and sequences the connected user creates later
// (a schema step of a newer program version). Throws DatabaseError with a German message when
// there is no such role or the connected user may not grant them.
void gewaehren(const QString& rolle);

} // namespace ServerrechteStore
