#pragma once

#include <QString>

#include <vector>

// One protocol entry as the window "Protokoll" lists it.
struct Protokollzeile {
    QString zeit; // German date and time
    QString ereignis;
    QString beschreibung;
    QString benutzer; // who stored it; empty before that was recorded
};

// Reading the protocol; entries are written with the change they record (logbuch/kette/Kettenanhang.h).
namespace ProtokollStore {

// Every entry in the order it was stored.
std::vector<Protokollzeile> alle();

} // namespace ProtokollStore
