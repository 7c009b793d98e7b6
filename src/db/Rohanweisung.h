#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3_stmt;

// A prepared statement run straight on the engine of the shared connection, for writing many rows
// of one shape (a full card's raw trips): values are bound as they are, without a QVariant each.
// Values are always bound; a failure throws DatabaseError with the engine's message.
class Rohanweisung {
public:
    explicit Rohanweisung(const QString& sql);
    ~Rohanweisung();
    Rohanweisung(const Rohanweisung&) = delete;
    Rohanweisung& operator=(const Rohanweisung&) = delete;

    // Positions count from 1, as in SQLite.
    void null(int stelle);
    void zahl(int stelle, qint64 wert);
    void text(int stelle, QByteArrayView utf8);
    void blob(int stelle, QByteArrayView bytes);

    // Runs the statement with the bound values and makes it ready for the next row.
    void ausfuehren();

private:
    void pruefen(int ergebnis);

    sqlite3_stmt* anweisung_ = nullptr;
};
