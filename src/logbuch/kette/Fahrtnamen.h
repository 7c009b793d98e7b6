#pragma once

#include <QString>
#include <QVariantList>

#include <array>

struct Fahrtenbucheintrag;

// The names a logbook row prints, kept in the row when it is stored (see Pruefkette.h), and how a
// list shows them: the stored name; for a row stored before names were kept the master row's
// current name; for a master row that is gone a marked placeholder, so no trip drops out.
namespace fahrtnamen {

// The name columns of T_MIREL: StartName, ZielName, ArtName, ArtKurz, ZweckName, KategorieName,
// FahrerName, Kennzeichen.
inline constexpr int anzahl = 8;

// The names of the master rows the entry names, in the order of the columns; NULL for a reference
// that is empty or names no row.
QVariantList lesen(const Fahrtenbucheintrag& eintrag);

// What a row names that reference by: one master table's column and the row's columns.
enum class Feld { Start, Ziel, ArtName, ArtKurz, Zweck, Kategorie, Fahrer, Kennzeichen };

// The master table joined as `alias` for the field, to be appended after "FROM T_MIREL m".
QString verbindung(Feld feld, const QString& alias);
// The text the field shows for the row `m` with that master table joined as `alias`: the stored
// name, else the current name, else "(fehlt: Zweck 3)"; NULL for an empty reference.
QString ausdruck(Feld feld, const QString& alias);

// "(fehlt: Zweck 3)": a row names a master row that is gone.
QString platzhalter(Feld feld, qint64 id);

// The master rows a logbook row names, one field per reference (the kind of trip once).
inline constexpr std::array<Feld, 7> verweisfelder = {Feld::Start,     Feld::Ziel,   Feld::ArtName,    Feld::Zweck,
                                                      Feld::Kategorie, Feld::Fahrer, Feld::Kennzeichen};
// The master table ("T_ZWECK"), the logbook row's column that names its row ("Zweck"), and one of
// its rows in words ("Zweck 3").
QString tabelle(Feld feld);
QString verweisspalte(Feld feld);
QString stammeintrag(Feld feld, qint64 id);

} // namespace fahrtnamen
