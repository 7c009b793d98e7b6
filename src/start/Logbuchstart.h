#pragma once

struct Logbuchort;
class FileOperations;

// Before the windows open: makes sure the logbook's folder can be used and offers, once, to move
// a logbook left in the working folder there. False when the program has to end; the user was
// told why and nothing was written anywhere else.
bool logbuchBereitstellen(const Logbuchort& ort, FileOperations& dateien);
