#pragma once

#include <QString>

#include <optional>

class QSqlError;

enum class Datenbankart { SQLite, PostgreSQL };

// How the row writer brings rows to the engine: a statement prepared on the engine's own handle,
// a statement bound through Qt's driver, or one COPY stream.
enum class Schreibweg { EigeneAnweisung, Gebunden, Copy };

// What the two engines do differently; every other statement is written in the SQL both
// understand. Statements that run on the open connection throw DatabaseError.
class Dialekt {
public:
    explicit Dialekt(Datenbankart art) : art_(art) {}

    Datenbankart art() const { return art_; }

    // The schema of a server logbook, as an SQL expression. The search path leaves out a schema
    // the user may not use, so without that right current_schema() is empty; the logbook then
    // still lies in the default schema.
    static constexpr auto serverschema = "COALESCE(current_schema(), 'public')";

    // A table definition with the engine's own types put in for the placeholders: {SCHLUESSEL} an
    // integer primary key the engine assigns, {ZEIT} a date-time to the second, {BYTES} a run of
    // bytes, {ZEILE} (after the last column) the row number of a table without key, which SQLite
    // keeps as rowid by itself.
    QString tabelle(const QString& definition) const;

    // Who stores: the operating-system user for a file, the database role (current_user) on a server.
    QString benutzer() const;
    // Tests that compare both engines give both the same name, as Clock::setFixed gives the same
    // time; none: the real one again.
    static void benutzerFestlegen(const std::optional<QString>& name);

    // SQLite keeps a number of the program's own in the file's header (PRAGMA user_version); a
    // server database has no such place, so whoever needs one keeps it in a table.
    bool hatKopfnummer() const;
    // The header's number; only where hatKopfnummer.
    int kopfnummer() const;
    void kopfnummerSetzen(int nummer) const;
    // Whether a table of that name exists, whatever rights the user has on it.
    bool tabelleVorhanden(const QString& name) const;
    // Whether the database holds no table at all (a new file, an empty server database).
    bool leer() const;

    // Makes German name order ("COLLATE DEUTSCH") known: SQLite per connection, a server once per
    // database.
    void namensordnungEinrichten() const;

    // SQLite: one statement prepared on the engine itself, run per row, single rows and batches
    // alike. A server: a bound INSERT per row, or for a batch one COPY stream instead of a round
    // trip each.
    Schreibweg schreibweg(bool stapel) const;

    // Starts a transaction that will write. SQLite takes its write lock at once, so two programs
    // reading before writing cannot lock each other out halfway.
    QString transaktionsbeginn() const;
    // Starts a transaction that only reads and sees the logbook as it was at its start throughout.
    QString lesetransaktionsbeginn() const;
    // Appended to a SELECT whose rows the transaction is about to change or depends on: a second
    // writer waits until this one has committed.
    QString sperrend() const;
    // Keeps every other writer of `tabelle` waiting until the transaction ends, so that a name
    // looked up and then inserted cannot be inserted by a second user in between. SQLite's write
    // transaction holds the whole file already.
    void tabelleSperren(const QString& tabelle) const;
    // The expression, hidden from the planner's index choice where SQLite needs the hint.
    QString ohneIndex(const QString& ausdruck) const;
    // Whether the engine refused a change because the logbook is open for reading only.
    bool schreibgeschuetzt(const QSqlError& fehler) const;
    // Whether the engine refused a statement because a unique key would be repeated.
    bool doppelterSchluessel(const QSqlError& fehler) const;
    // Whether a statement gave up waiting for a lock another user holds.
    bool sperreAbgelaufen(const QSqlError& fehler) const;
    // After rows with given keys were inserted into `tabelle`: new rows get keys above them.
    void schluesselNachfuehren(const QString& tabelle, const QString& spalte) const;
    // The highest key column ID of `tabelle` ever had, also of rows deleted since.
    qlonglong hoechsterSchluessel(const QString& tabelle) const;
    // Notes that keys up to `schluessel` were given to rows of `tabelle` by the program itself.
    void schluesselVergeben(const QString& tabelle, qlonglong schluessel) const;
    // A text that changes whenever anyone changed `tabellen` since it was last asked for: SQLite
    // counts the commits of other connections to the file; on a server every row carries the
    // transaction that wrote it last, and a table's row count and newest writer tell a change.
    QString aenderungsstand(const QStringList& tabellen) const;

private:
    Datenbankart art_;
};
