#pragma once

#include "audit/Pruefergebnis.h"

#include <QStringList>

class Pruefstand;

// Keeping the logbook's state outside it: the program's end, every backup, report and export and
// every check of the command line note the full Prüfwert with the chains' counts in the user's
// anchor file (audit/Ankerdatei.h).
namespace verankerung {

// The open logbook's name in anchors: the absolute path of a file, the address of a server.
QString logbuchname();

enum class Anschluss {
    Fortsetzung,    // the state must hold the last anchored one: a rolled back state is never anchored
    Ruecksicherung, // a restore replaced the logbook on purpose; its protocol says so
    Geprueft,       // the caller has just found the last anchored state held, from the same reading
};

// Notes the state with the chains' heads `koepfe` of the open logbook in the user's anchor file
// and in each further file (the one beside a backup). Returns what failed, in German; an anchor
// that cannot be written never stops the work it belongs to.
QStringList festhalten(const pruefkette::Koepfe& koepfe, const QString& anlass, const QStringList& weitereDateien = {},
                       Anschluss anschluss = Anschluss::Fortsetzung);

// The same for the state a check found; a logbook with a finding is not anchored, since its
// state vouches for nothing.
QStringList festhalten(const Pruefergebnis& ergebnis, const QString& anlass, const QStringList& weitereDateien = {},
                       Anschluss anschluss = Anschluss::Fortsetzung);

// The same for the state the program's check holds; a logbook that cannot be read is not anchored.
QStringList festhalten(Pruefstand& stand, const QString& anlass, Anschluss anschluss = Anschluss::Fortsetzung);

} // namespace verankerung
