#pragma once

#include <QString>

#include <optional>

// Creates the folder that holds the logbook `logbuch` when it is missing and checks that it takes
// new files (SQLite writes its journal beside the logbook). Returns the German message for the
// user when the folder cannot be used; nothing is then written anywhere else instead.
std::optional<QString> logbuchordnerBereitstellen(const QString& logbuch);
