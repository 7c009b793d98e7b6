#pragma once

#include <QByteArray>

struct sqlite3;
struct sqlite3_stmt;

// The statements of this thread's SQLite connection, prepared once and kept while the connection
// lives: storing a trip runs the same few statements every time, and preparing them anew cost as
// much as running them. SQLite keeps a file open as long as any statement on it lives, so
// Database::schliessen() finalises them (leeren()) before the connection closes: a restore may
// replace the file then.
namespace anweisungsvorrat {

// The statement `sql` on `db`, ready to bind: a kept one, or a new one while the kept one is in use
// (a query nested in another of the same text). Throws DatabaseError with the engine's message.
sqlite3_stmt* nehmen(sqlite3* db, const QByteArray& sql);
// Hands a statement from nehmen() back: reset, its values cleared, kept for the next use.
void zurueckgeben(sqlite3_stmt* anweisung);
// Finalises every kept statement of this thread.
void leeren();
// How many statements this thread keeps.
int anzahl();

} // namespace anweisungsvorrat
