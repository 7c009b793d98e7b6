#include "db/Rohanweisung.h"

#include "db/DatabaseError.h"
#include "db/SqliteVerbindung.h"

#include <sqlite3.h>

Rohanweisung::Rohanweisung(const QString& sql)
{
    sqlite3* db = sqliteVerbindung();
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &anweisung_, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

Rohanweisung::~Rohanweisung()
{
    sqlite3_finalize(anweisung_);
}

void Rohanweisung::pruefen(int ergebnis)
{
    if (ergebnis != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(anweisung_))));
}

void Rohanweisung::null(int stelle)
{
    pruefen(sqlite3_bind_null(anweisung_, stelle));
}

void Rohanweisung::zahl(int stelle, qint64 wert)
{
    pruefen(sqlite3_bind_int64(anweisung_, stelle, wert));
}

void Rohanweisung::text(int stelle, QByteArrayView utf8)
{
    pruefen(sqlite3_bind_text(anweisung_, stelle, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

void Rohanweisung::blob(int stelle, QByteArrayView bytes)
{
    pruefen(sqlite3_bind_blob(anweisung_, stelle, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
}

void Rohanweisung::ausfuehren()
{
    const int ergebnis = sqlite3_step(anweisung_);
    sqlite3* db = sqlite3_db_handle(anweisung_);
    const QString meldung = ergebnis == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    const bool doppelt = sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_UNIQUE;
    sqlite3_reset(anweisung_);
    sqlite3_clear_bindings(anweisung_);
    if (ergebnis == SQLITE_DONE)
        return;
    if (doppelt)
        throw DoppelterEintrag(meldung);
    throw DatabaseError(meldung);
}
