#include "db/SqlStatement.h"

#include "db/Database.h"
#include "db/DatabaseError.h"

#include <QSqlError>

namespace {

// SQLite's result code for a write to a database opened read-only; extended codes keep it in their
// low byte.
constexpr int sqliteReadOnly = 8;

[[noreturn]] void fail(const QSqlError& error, const QString& sql)
{
    if ((error.nativeErrorCode().toInt() & 0xff) == sqliteReadOnly)
        throw DatabaseError(QStringLiteral("Das Fahrtenbuch ist schreibgeschützt; Änderungen können nicht gespeichert "
                                           "werden."));
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (text.isEmpty())
        text = QStringLiteral("Unbekannter Datenbankfehler bei: %1").arg(sql);
    throw DatabaseError(text);
}
} // namespace

SqlStatement::SqlStatement(const QString& sql) : query_(Database::connection()), sql_(sql)
{
    query_.setForwardOnly(true);
    if (!query_.prepare(sql))
        fail(query_.lastError(), sql);
}

SqlStatement& SqlStatement::bind(const QVariant& value)
{
    query_.addBindValue(value);
    return *this;
}

SqlStatement& SqlStatement::exec()
{
    if (!query_.exec())
        fail(query_.lastError(), sql_);
    return *this;
}

bool SqlStatement::next()
{
    return query_.next();
}

QVariant SqlStatement::value(const QString& column) const
{
    const QVariant result = query_.value(column);
    if (!result.isValid())
        throw DatabaseError(QStringLiteral("Das Feld %1 ist nicht vorhanden.").arg(column));
    return result;
}

QVariant SqlStatement::value(int column) const
{
    return query_.value(column);
}

int SqlStatement::intValue(const QString& column) const
{
    return value(column).toInt();
}

QString SqlStatement::text(const QString& column) const
{
    return value(column).toString();
}

bool SqlStatement::isNull(const QString& column) const
{
    return value(column).isNull();
}

int SqlStatement::rowsAffected() const
{
    return query_.numRowsAffected();
}

qlonglong SqlStatement::lastInsertId() const
{
    return query_.lastInsertId().toLongLong();
}

int SqlStatement::scalarInt(const QString& sql, const QVariantList& values)
{
    SqlStatement statement(sql);
    for (const QVariant& value : values)
        statement.bind(value);
    statement.exec();
    return statement.next() ? statement.value(0).toInt() : 0;
}

Transaction::Transaction()
{
    if (!Database::connection().transaction())
        throw DatabaseError(Database::connection().lastError().text());
}

Transaction::~Transaction()
{
    if (open_)
        Database::connection().rollback();
}

void Transaction::commit()
{
    if (!Database::connection().commit())
        throw DatabaseError(Database::connection().lastError().text());
    open_ = false;
}
