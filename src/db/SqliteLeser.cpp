#include "db/SqliteLeser.h"

#include "db/Anweisungsvorrat.h"
#include "db/DatabaseError.h"
#include "db/SqliteVerbindung.h"
#include "db/Textwert.h"

#include <sqlite3.h>

namespace {

[[noreturn]] void fehler(sqlite3* db)
{
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

SqliteLeser::SqliteLeser(const QString& sql, const QVariantList& werte)
{
    sqlite3* db = sqliteVerbindung();
    anweisung_ = anweisungsvorrat::nehmen(db, sql.toUtf8());
    for (int i = 0; i < werte.size(); ++i) {
        const QVariant& wert = werte.at(i);
        int ergebnis = SQLITE_OK;
        if (wert.isNull()) {
            ergebnis = sqlite3_bind_null(anweisung_, i + 1);
        } else if (wert.typeId() == QMetaType::Int || wert.typeId() == QMetaType::LongLong) {
            ergebnis = sqlite3_bind_int64(anweisung_, i + 1, wert.toLongLong());
        } else {
            const QByteArray utf8 = textwert::utf8(wert.toString());
            ergebnis =
                sqlite3_bind_text(anweisung_, i + 1, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
        if (ergebnis != SQLITE_OK) {
            const DatabaseError fehlschlag(QString::fromUtf8(sqlite3_errmsg(db)));
            anweisungsvorrat::zurueckgeben(anweisung_);
            throw fehlschlag;
        }
    }
}

SqliteLeser::~SqliteLeser()
{
    anweisungsvorrat::zurueckgeben(anweisung_);
}

bool SqliteLeser::next()
{
    const int ergebnis = sqlite3_step(anweisung_);
    if (ergebnis == SQLITE_ROW)
        return true;
    if (ergebnis != SQLITE_DONE)
        fehler(sqlite3_db_handle(anweisung_));
    return false;
}

Rohabfrage::Wertart SqliteLeser::typ(int spalte) const
{
    switch (sqlite3_column_type(anweisung_, spalte)) {
    case SQLITE_NULL:
        return Rohabfrage::Wertart::Null;
    case SQLITE_INTEGER:
        return Rohabfrage::Wertart::Zahl;
    case SQLITE_FLOAT:
        return Rohabfrage::Wertart::Kommazahl;
    case SQLITE_BLOB:
        return Rohabfrage::Wertart::Bytes;
    default:
        return Rohabfrage::Wertart::Text;
    }
}

qint64 SqliteLeser::grosseZahl(int spalte) const
{
    return sqlite3_column_int64(anweisung_, spalte);
}

double SqliteLeser::kommazahl(int spalte) const
{
    return sqlite3_column_double(anweisung_, spalte);
}

const char* SqliteLeser::text(int spalte, qsizetype& laenge) const
{
    const auto* daten = reinterpret_cast<const char*>(sqlite3_column_text(anweisung_, spalte));
    laenge = sqlite3_column_bytes(anweisung_, spalte);
    return daten;
}

const char* SqliteLeser::bytes(int spalte, qsizetype& laenge) const
{
    const auto* daten = static_cast<const char*>(sqlite3_column_blob(anweisung_, spalte));
    laenge = sqlite3_column_bytes(anweisung_, spalte);
    return daten;
}

namespace {

Rohabfrage::Wert gelesen(sqlite3_value* w)
{
    switch (sqlite3_value_type(w)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return {.art = Rohabfrage::Wertart::Zahl, .zahl = sqlite3_value_int64(w)};
    case SQLITE_FLOAT:
        return {.art = Rohabfrage::Wertart::Kommazahl, .kommazahl = sqlite3_value_double(w)};
    case SQLITE_BLOB: {
        const auto* daten = static_cast<const char*>(sqlite3_value_blob(w));
        return {.art = Rohabfrage::Wertart::Bytes, .daten = daten, .laenge = sqlite3_value_bytes(w)};
    }
    default: {
        const auto* daten = reinterpret_cast<const char*>(sqlite3_value_text(w));
        return {.art = Rohabfrage::Wertart::Text, .daten = daten, .laenge = sqlite3_value_bytes(w)};
    }
    }
}

} // namespace

// What sqlite3_column_text() and its kin do, with the statement's bookkeeping once instead of per
// call. The value is read right away, on the thread that owns the connection.
Rohabfrage::Wert SqliteLeser::wert(int spalte) const
{
    return gelesen(sqlite3_column_value(anweisung_, spalte));
}

void SqliteLeser::werte(int erste, std::span<Rohabfrage::Wert> ziel) const
{
    for (std::size_t i = 0; i < ziel.size(); ++i)
        ziel[i] = gelesen(sqlite3_column_value(anweisung_, erste + static_cast<int>(i)));
}
