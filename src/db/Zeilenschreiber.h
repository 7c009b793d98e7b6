#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

// Writes rows into one table of the shared connection, inside the caller's transaction, the way
// the dialect names for the engine (Dialekt::schreibweg). A batch (a card's raw trips, a restored
// table) may travel as one COPY stream that ends with abschliessen(); nothing else may run
// on the connection before. Every text reaches the engine as textwert::utf8 makes it, whichever the
// way. A repeated unique key throws DoppelterEintrag, any other failure DatabaseError, from
// abschliessen() at the latest.
class Zeilenschreiber {
public:
    enum class Menge { Einzeln, Stapel };

    Zeilenschreiber(const QString& tabelle, const QStringList& spalten, Menge menge = Menge::Einzeln);
    ~Zeilenschreiber();
    Zeilenschreiber(const Zeilenschreiber&) = delete;
    Zeilenschreiber& operator=(const Zeilenschreiber&) = delete;

    // The values of the row, column by column.
    void null();
    void zahl(qint64 wert);
    // A text as textwert::utf8 made it.
    void text(QByteArrayView utf8);
    void blob(QByteArrayView bytes);
    // NULL, a whole number, bytes, or anything else as its text (a date-time as ISO text).
    void wert(const QVariant& wert);
    // Stores the row.
    void ausfuehren();
    // Stores one row of values, column by column.
    void zeile(const QVariantList& werte);
    // Sends what a batch still holds and waits for the engine's verdict.
    void abschliessen();

    // "INSERT INTO tabelle (a, b) VALUES (?, ?)": one row with every value bound. Table and columns
    // are the program's own names, never input.
    static QString einfuegeanweisung(const QString& tabelle, const QStringList& spalten);

    class Weg;

private:
    std::unique_ptr<Weg> weg_;
};
