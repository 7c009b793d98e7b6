#pragma once

#include "db/Rohabfrage.h"

#include <QByteArray>

#include <vector>

struct pg_result;

// Runs a query on the server connection through libpq and steps through its rows as text, the way
// psql reads them.
class PostgresLeser : public Rohabfrage::Leser {
public:
    PostgresLeser(const QString& sql, const QVariantList& werte);
    ~PostgresLeser() override;
    PostgresLeser(const PostgresLeser&) = delete;
    PostgresLeser& operator=(const PostgresLeser&) = delete;

    bool next() override;
    Rohabfrage::Wertart typ(int spalte) const override;
    qint64 grosseZahl(int spalte) const override;
    double kommazahl(int spalte) const override;
    const char* text(int spalte, qsizetype& laenge) const override;
    const char* bytes(int spalte, qsizetype& laenge) const override;

    // The statement with the server's numbered placeholders ($1, $2, ...) for the question marks
    // outside quoted texts.
    static QString nummeriert(const QString& sql);

private:
    pg_result* ergebnis_ = nullptr;
    int zeilen_ = 0;
    int zeile_ = -1;
    mutable std::vector<QByteArray> bytes_;
};
