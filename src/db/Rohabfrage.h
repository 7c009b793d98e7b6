#pragma once

#include <QString>
#include <QVariantList>

#include <memory>
#include <span>

// A query run straight on the engine of the shared connection, for the lists that can hold a
// million rows and for the chain check: no value is wrapped per cell, texts are read in place.
// Values are bound, as everywhere; a failure throws DatabaseError with the engine's message.
class Rohabfrage {
public:
    // What a value is as the engine holds it.
    enum class Wertart { Null, Zahl, Kommazahl, Text, Bytes };

    // One value with its kind, read in one step: for readers of every column of a million rows.
    struct Wert {
        Wertart art = Wertart::Null;
        qint64 zahl = 0;      // Zahl
        double kommazahl = 0; // Kommazahl
        // Text (UTF-8) and Bytes, valid until the next step.
        const char* daten = nullptr;
        qsizetype laenge = 0;
    };

    Rohabfrage(const QString& sql, const QVariantList& werte);
    ~Rohabfrage();
    Rohabfrage(const Rohabfrage&) = delete;
    Rohabfrage& operator=(const Rohabfrage&) = delete;

    bool next();
    bool istNull(int spalte) const;
    Wertart typ(int spalte) const;
    // 0 for NULL.
    int zahl(int spalte) const;
    qint64 grosseZahl(int spalte) const;
    double kommazahl(int spalte) const;
    // The stored text as bytes (UTF-8), valid until the next step; length in laenge. A date-time
    // reads "YYYY-MM-DD HH:MM:SS" from either engine.
    const char* text(int spalte, qsizetype& laenge) const;
    QString qtext(int spalte) const;
    // The stored bytes of a blob, valid until the next step; length in laenge.
    const char* bytes(int spalte, qsizetype& laenge) const;
    Wert wert(int spalte) const;
    // The values of the columns from `erste` on, one for each place of `ziel`: for readers of
    // every column of a million rows, one call a row.
    void werte(int erste, std::span<Wert> ziel) const;

    // How one engine steps through its result.
    class Leser {
    public:
        virtual ~Leser() = default;
        virtual bool next() = 0;
        virtual Wertart typ(int spalte) const = 0;
        virtual qint64 grosseZahl(int spalte) const = 0;
        virtual double kommazahl(int spalte) const = 0;
        virtual const char* text(int spalte, qsizetype& laenge) const = 0;
        virtual const char* bytes(int spalte, qsizetype& laenge) const = 0;
        // By default from the calls above; an engine may read them with fewer.
        virtual Wert wert(int spalte) const;
        virtual void werte(int erste, std::span<Wert> ziel) const;
    };

private:
    std::unique_ptr<Leser> leser_;
};
