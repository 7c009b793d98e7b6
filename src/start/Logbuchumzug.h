#pragma once

#include <QString>

class FileOperations;

// Moves the logbook `von` with the files SQLite keeps beside it to `nach`, where no logbook may
// lie yet. Every file is copied first; only when all copies are complete are the originals
// removed, so a failure leaves the logbook where it was. Throws FileError.
void logbuchVerschieben(const QString& von, const QString& nach, FileOperations& dateien);
