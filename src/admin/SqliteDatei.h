#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// A database file opened through SQLite's own interface, for what Qt's driver does not offer: the
// online backup, and reading every value exactly as stored. Failures throw DatabaseError.
class SqliteDatei {
public:
    // Opens an existing file for reading and writing.
    explicit SqliteDatei(const QString& pfad);
    ~SqliteDatei();
    SqliteDatei(const SqliteDatei&) = delete;
    SqliteDatei& operator=(const SqliteDatei&) = delete;

    sqlite3* handle() const { return db_; }
    // Runs statements without parameters or results.
    void ausfuehren(const char* sql);
    // The engine's message after a failed call, behind `was`.
    [[noreturn]] void scheitern(const QString& was) const;

    // One prepared statement of the file; finalized with the object.
    class Anweisung {
    public:
        Anweisung(SqliteDatei& datei, const QString& sql);
        ~Anweisung();
        Anweisung(const Anweisung&) = delete;
        Anweisung& operator=(const Anweisung&) = delete;

        Anweisung& binden(int stelle, const QByteArray& text);
        Anweisung& bytesBinden(int stelle, const QByteArray& bytes);
        Anweisung& leer(int stelle);
        // Ready to run again with new values.
        void zuruecksetzen();
        // True while there is a row; throws when the statement fails.
        bool schritt();
        sqlite3_stmt* handle() const { return stmt_; }

    private:
        SqliteDatei& datei_;
        sqlite3_stmt* stmt_ = nullptr;
    };

private:
    QString pfad_;
    sqlite3* db_ = nullptr;
};
