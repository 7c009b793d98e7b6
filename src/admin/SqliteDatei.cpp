#include "admin/SqliteDatei.h"

#include "db/DatabaseError.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

SqliteDatei::SqliteDatei(const QString& pfad) : pfad_(pfad)
{
    const int ergebnis = sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (ergebnis != SQLITE_OK)
        scheitern(QStringLiteral("Die Datei kann nicht geöffnet werden"));
}

SqliteDatei::~SqliteDatei()
{
    sqlite3_close(db_);
}

void SqliteDatei::ausfuehren(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        scheitern(QStringLiteral("Die Datei kann nicht bearbeitet werden"));
}

void SqliteDatei::scheitern(const QString& was) const
{
    const QString meldung = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory");
    throw DatabaseError(QStringLiteral("%1: %2 (%3)").arg(was, QDir::toNativeSeparators(pfad_), meldung));
}

SqliteDatei::Anweisung::Anweisung(SqliteDatei& datei, const QString& sql) : datei_(datei)
{
    if (sqlite3_prepare_v2(datei.db_, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
        datei_.scheitern(QStringLiteral("Die Datei kann nicht gelesen werden"));
}

SqliteDatei::Anweisung::~Anweisung()
{
    sqlite3_finalize(stmt_);
}

SqliteDatei::Anweisung& SqliteDatei::Anweisung::binden(int stelle, const QByteArray& text)
{
    if (sqlite3_bind_text(stmt_, stelle, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        datei_.scheitern(QStringLiteral("Die Datei kann nicht bearbeitet werden"));
    return *this;
}

SqliteDatei::Anweisung& SqliteDatei::Anweisung::bytesBinden(int stelle, const QByteArray& bytes)
{
    if (sqlite3_bind_blob(stmt_, stelle, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        datei_.scheitern(QStringLiteral("Die Datei kann nicht bearbeitet werden"));
    return *this;
}

SqliteDatei::Anweisung& SqliteDatei::Anweisung::leer(int stelle)
{
    if (sqlite3_bind_null(stmt_, stelle) != SQLITE_OK)
        datei_.scheitern(QStringLiteral("Die Datei kann nicht bearbeitet werden"));
    return *this;
}

void SqliteDatei::Anweisung::zuruecksetzen()
{
    sqlite3_reset(stmt_);
}

bool SqliteDatei::Anweisung::schritt()
{
    const int ergebnis = sqlite3_step(stmt_);
    if (ergebnis == SQLITE_ROW)
        return true;
    if (ergebnis != SQLITE_DONE)
        datei_.scheitern(QStringLiteral("Die Datei kann nicht gelesen werden"));
    return false;
}
