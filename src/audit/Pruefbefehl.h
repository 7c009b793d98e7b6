#pragma once

#include <QString>

#include <optional>

// "varno pruefen [--gegen PRÜFWERT]": checks a logbook file for the command line and says in
// German what it found, with the current Prüfwert. The file is opened as it is and read only, so
// a backup or an older logbook stays untouched.
namespace pruefbefehl {

inline constexpr int unveraendert = 0;
inline constexpr int veraendert =
    1; // a finding, a time stamp that does not hold, or the state of --gegen is not contained
inline constexpr int fehler = 2;     // the file cannot be checked, or the Prüfwert is malformed

struct Ergebnis {
    int rueckgabe = fehler;
    QString text; // for the standard output, or the error output when rueckgabe is fehler
};

// `anker`: an anchor file to check against (the tax adviser's copy) instead of the user's own.
Ergebnis ausfuehren(const QString& datenbank, const std::optional<QString>& gegen,
                    const std::optional<QString>& anker = std::nullopt);

} // namespace pruefbefehl
