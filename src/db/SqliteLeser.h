#pragma once

#include "db/Rohabfrage.h"

struct sqlite3_stmt;

// Steps through a statement prepared on the SQLite connection.
class SqliteLeser : public Rohabfrage::Leser {
public:
    SqliteLeser(const QString& sql, const QVariantList& werte);
    ~SqliteLeser() override;
    SqliteLeser(const SqliteLeser&) = delete;
    SqliteLeser& operator=(const SqliteLeser&) = delete;

    bool next() override;
    Rohabfrage::Wertart typ(int spalte) const override;
    qint64 grosseZahl(int spalte) const override;
    double kommazahl(int spalte) const override;
    const char* text(int spalte, qsizetype& laenge) const override;
    const char* bytes(int spalte, qsizetype& laenge) const override;
    Rohabfrage::Wert wert(int spalte) const override;
    void werte(int erste, std::span<Rohabfrage::Wert> ziel) const override;

private:
    sqlite3_stmt* anweisung_ = nullptr;
};
