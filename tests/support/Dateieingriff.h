#pragma once

#include <QString>
#include <QStringList>

// Changes to a database file made behind the program's back: damage as a crash, a full disk or a
// failing medium leave it, and statements run by another program.
namespace dateieingriff {

// Runs the statements on a connection of its own, creating the file when there is none.
void ausfuehren(const QString& pfad, const QStringList& anweisungen);

// Cuts the last `bytes` bytes off.
void kuerzen(const QString& pfad, qint64 bytes);

// Overwrites the SQLite header (the first 100 bytes) with a pattern.
void kopfZerstoeren(const QString& pfad);

// Overwrites the first page of a table with a pattern; the header and the length stay as they were.
void tabellenseiteZerstoeren(const QString& pfad, const QString& tabelle);

// Holds the file locked, as another program in the middle of writing it does, until released.
class Sperre {
public:
    explicit Sperre(const QString& pfad);
    ~Sperre();
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

    void freigeben();

private:
    QString verbindung_;
};

} // namespace dateieingriff
