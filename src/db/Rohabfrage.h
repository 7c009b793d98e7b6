#pragma once

#include <QString>
#include <QVariantList>

struct sqlite3_stmt;

// A prepared statement run straight on the engine of the shared connection, for the lists that can
// hold a million rows: no value is wrapped per cell, texts are read in place. Values are bound,
// as everywhere; a failure throws DatabaseError with the engine's message.
class Rohabfrage {
public:
    Rohabfrage(const QString& sql, const QVariantList& werte);
    ~Rohabfrage();
    Rohabfrage(const Rohabfrage&) = delete;
    Rohabfrage& operator=(const Rohabfrage&) = delete;

    bool next();
    bool istNull(int spalte) const;
    // The storage class of the value: SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int typ(int spalte) const;
    int zahl(int spalte) const;
    qint64 grosseZahl(int spalte) const;
    double kommazahl(int spalte) const;
    // The stored text as bytes (UTF-8), valid until the next step; length in laenge.
    const char* text(int spalte, qsizetype& laenge) const;
    QString qtext(int spalte) const;
    // The stored bytes of a blob (or of a text), valid until the next step; length in laenge.
    const char* bytes(int spalte, qsizetype& laenge) const;

private:
    sqlite3_stmt* anweisung_ = nullptr;
};
