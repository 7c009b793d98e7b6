#pragma once

#include "db/Rohabfrage.h"
#include "db/Sha256.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <array>
#include <span>
#include <vector>

// The chains that make a later change to a stored row visible. Every logbook row (T_MIREL), raw
// trip (T_basis) and protocol entry (T_Protokoll) carries a value over its content and the value
// of the row stored before it in the same table; a row changed, deleted, inserted or moved by
// another tool no longer fits its neighbours.
//
// How the value of a row is computed (an auditor can recompute it with any SHA-256 tool):
//
//   bytes = the table name and "\n",
//           then for every column of the table's chain, in the order of spalten(), one field and "\n":
//             NULL     "-"
//             integer  "i" and the number in decimal                   ("i17", "i-1")
//             text     "t", the length of its UTF-8 bytes, ":" and the bytes ("t5:Essen")
//             real     "r" and the number written with printf's %.17g
//             blob     "b", its length, ":" and its bytes
//           then the 32 bytes of the value of the row before it (32 zero bytes for the first row)
//   value = SHA-256(bytes)
//
// The columns of each chain, in this order:
//
//   T_MIREL      ID, KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer,
//                Bemerkung, Erfasst, ErsetztID, Grund, Storniert, Benutzer, StartName, ZielName,
//                ArtName, ArtKurz, ZweckName, KategorieName, FahrerName, Kennzeichen, Laufnr
//   T_basis      ID, CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort,
//                Grund, Kat, Erfasst, Benutzer, Laufnr (not bearbeitet: the processed mark changes
//                by design)
//   T_Protokoll  ID, Zeit, Ereignis, Beschreibung, Benutzer, Laufnr
//
// Benutzer names who stored the row: the operating-system user for a logbook file, the database
// role (current_user) on a server. It came with schema 4; a row stored before holds NULL there,
// and a NULL Benutzer adds no field at all, so those rows keep the values they were stored with
// and every Prüfwert printed before still confirms. (Any other NULL is "-" as above.) The step
// to schema 4 records the heads and the Prüfwert of that moment in the protocol ("Prüfkette
// erweitert").
//
// The names a logbook row prints (places from and to, kind of trip and its short form, purpose,
// category, driver, plate) are kept in the row itself, copied from the master tables when the
// row is stored, and covered like every other column: renaming, swapping or deleting a master
// row later changes no trip's printed text, and changing a stored name changes the row's value.
// The choice over chaining versioned master tables: a row then states everything it prints on
// its own, reading and checking stay one scan of the row's table, and every writer of trips gets
// the names through the one place that appends rows. A raw trip (T_basis) prints nothing from a
// master table: its vehicle key, place, reason and category are the recorder's own texts.
// The names came with schema 5; a row stored before holds NULL there and, as with Benutzer, a
// NULL name adds no field: such rows keep their values and print the current master names. The
// step to schema 5 records every master name of that moment in a chained protocol entry, which
// covers what those rows printed then, together with the heads and the Prüfwert before the step.
// Creating, renaming and deleting a master row through the program are chained protocol entries
// naming the row with its old and new name.
//
// The row before a row is the row with the next lower ID in the same table.
//
// Fields are the values as stored (ISO date-times, IDs of places and drivers, the stored names).
// The row keeps its value in Pruefwert and its predecessor's value in Vorgaenger, both 32-byte
// blobs (`SELECT hex(Pruefwert)` shows them). Laufnr numbers the rows of all three tables in the
// order they were stored, 1, 2, 3, ... without a gap; the check requires that, so the newest rows
// of one chain cannot go while another chain holds rows stored after them. T_Pruefkette notes
// each chain's length and last value; every chain has its note from the chain's start on.
//
// The Prüfwert printed on reports and kept with backups joins the three chains:
//
//   bytes = "Varno-Pruefwert\n", then for each chain in the order T_MIREL, T_basis, T_Protokoll:
//           the table name, "\n", its number of rows in decimal, "\n" and its last value
//           (32 zero bytes for an empty chain)
//   Prüfwert = SHA-256(bytes) over the heads recomputed from the rows' content (never the stored
//   values), printed as its first 32 hex digits in capitals in groups of four; `varno pruefen`
//   shows all 64. A chain with any finding has no Prüfwert: "Prüfwert ungültig – Fahrtenbuch
//   verändert" stands in its place. Values printed before were the first 16 digits of the same
//   hash; `--gegen` still takes them.
namespace pruefkette {

enum class Kette { Fahrtenbuch, Rohfahrten, Protokoll };
inline constexpr std::array<Kette, 3> alleKetten = {Kette::Fahrtenbuch, Kette::Rohfahrten, Kette::Protokoll};

enum class Art { Zahl, Text };

// Which of the later columns the chained tables have: who stored a row (schema 4), the names a
// logbook row prints (schema 5). Ordered: each form has the columns of those before it.
enum class Form { OhneBenutzer, MitBenutzer, MitNamen };
inline constexpr int benutzerAbSchema = 4;
inline constexpr int namenAbSchema = 5;
Form form(int schemaversion);

struct Spalte {
    const char* name;
    Art art;
    // The form the column came with. A column that came with a later schema step adds no field
    // when it is empty, so rows stored before the step keep their values.
    Form ab = Form::OhneBenutzer;

    bool nurMitWert() const { return ab != Form::OhneBenutzer; }
};

inline constexpr int wertLaenge = 32;

QString tabelle(Kette kette);
// The columns the value covers, in the order they are serialised; ID first, Laufnr last.
const std::vector<Spalte>& spalten(Kette kette);
// The columns as a list for a SELECT ("ID, KFZ, ..."), in the order of spalten(); in a table
// without the users' column NULL stands in its place.
QString spaltenliste(Kette kette, Form form = Form::MitNamen);
// The names of the columns the table has in that form, for an INSERT.
QStringList spaltennamen(Kette kette, Form form);
// The value before the first row.
QByteArray ohneVorgaenger();

// Converts a value to what the column stores: an integer column gets a whole number, a text
// column a text, and an empty value (also a null text) is NULL. Binding the converted value and
// serialising it then agree.
QVariant gespeichert(const QVariant& wert, Art art);

// The bytes of one row, built field by field, and its value.
class Zeile {
public:
    explicit Zeile(Kette kette);

    void null();
    void zahl(qint64 wert);
    void text(const char* utf8, qsizetype laenge);
    void kommazahl(double wert);
    void blob(const char* daten, qsizetype laenge);
    // Column `spalte` of the current row of a query, by the way SQLite stored it.
    void ausAbfrage(const Rohabfrage& abfrage, int spalte);
    // The same for a column of the chain `art`: an empty column that adds no field is left out.
    void ausAbfrage(const Rohabfrage& abfrage, int spalte, const Spalte& art);
    // Every column of the chain from the current row of a query that selects spaltenliste()
    // from column `ersteSpalte` on.
    void alleAusAbfrage(const Rohabfrage& abfrage, int ersteSpalte);
    // The same from the values of those columns, read already.
    void alleAus(std::span<const Rohabfrage::Wert> werte);

    // The bytes of the row so far, closed with its predecessor's value; starts the next row.
    QByteArray abschliessen(const QByteArray& vorgaenger);
    // The value of those bytes.
    QByteArray pruefwert(const QByteArray& vorgaenger);
    // The same without a copy, valid until the next row's value is computed.
    QByteArrayView pruefwertAnsicht(const QByteArray& vorgaenger);

private:
    // Room for `hoechstens` more bytes at the end of the row; the caller sets the new end.
    char* platz(std::size_t hoechstens);
    // Writes one field at `stelle`, which has room for it; returns its end.
    static char* feld(char* stelle, const Rohabfrage::Wert& wert);
    static std::size_t hoechstensBytes(const Rohabfrage::Wert& wert);
    void anhaengen(const Rohabfrage::Wert& wert);
    QByteArrayView bytes() const;

    // A plain buffer written in place: a million rows are built here, a few small pieces each.
    std::vector<char> puffer_;
    std::size_t laenge_ = 0;
    std::size_t kopfLaenge_ = 0;
    const std::vector<Spalte>& spalten_;
    std::vector<Rohabfrage::Wert> werte_; // one row's values, read in one call
    Sha256 sha256_;
};

// A chain's length and last value.
struct Kopf {
    qint64 anzahl = 0;
    QByteArray wert = ohneVorgaenger();

    bool operator==(const Kopf&) const = default;
};
using Koepfe = std::array<Kopf, alleKetten.size()>;

inline std::size_t index(Kette kette)
{
    return static_cast<std::size_t>(kette);
}

// The Prüfwert of the three chains, 32 bytes.
QByteArray gesamtwert(const Koepfe& koepfe);
// Its printed form: the first 128 bits, 32 hex digits in capitals in groups of four ("1A2B 3C4D ...").
QString anzeige(const QByteArray& gesamtwert);
// All 256 bits in the same form, as the check reports them.
QString vollanzeige(const QByteArray& gesamtwert);
// What pages, exports and backups show instead of a value when the chains do not hold: a value
// there would confirm a logbook that was changed.
inline constexpr auto ungueltig = "ungültig";

} // namespace pruefkette
