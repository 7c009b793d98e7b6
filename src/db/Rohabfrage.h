#pragma once

#include <QString>
#include <QVariantList>

#include <memory>

// A query run straight on the engine of the shared connection, for the lists that can hold a
// million rows: no value is wrapped per cell, texts are read in place. Values are bound, as
// everywhere; a failure throws DatabaseError with the engine's message.
class Rohabfrage {
public:
    Rohabfrage(const QString& sql, const QVariantList& werte);
    ~Rohabfrage();
    Rohabfrage(const Rohabfrage&) = delete;
    Rohabfrage& operator=(const Rohabfrage&) = delete;

    bool next();
    bool istNull(int spalte) const;
    // 0 for NULL.
    int zahl(int spalte) const;
    // The stored text as bytes (UTF-8), valid until the next step; length in laenge. A date-time
    // reads "YYYY-MM-DD HH:MM:SS" from either engine.
    const char* text(int spalte, qsizetype& laenge) const;
    QString qtext(int spalte) const;

    // How one engine steps through its result.
    class Leser {
    public:
        virtual ~Leser() = default;
        virtual bool next() = 0;
        virtual bool istNull(int spalte) const = 0;
        virtual int zahl(int spalte) const = 0;
        virtual const char* text(int spalte, qsizetype& laenge) const = 0;
    };

private:
    std::unique_ptr<Leser> leser_;
};
