#include "db/SqlStatement.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "db/PostgresVerbindung.h"
#include "db/Servermeldung.h"
#include "db/SqlDate.h"
#include "db/Textwert.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlRecord>

namespace {

// The server's message without its "ERROR:" prefix, position marker and error code.
QString engineMessage(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (text.startsWith(QLatin1String("ERROR:")))
        text = text.mid(6).trimmed();
    return text;
}

[[noreturn]] void fail(const QSqlDatabase& db, const QSqlError& error, const QString& sql)
{
    abrissMelden(db);
    if (Database::dialekt().schreibgeschuetzt(error))
        throw DatabaseError(QStringLiteral("Das Fahrtenbuch ist schreibgeschützt; Änderungen können nicht gespeichert "
                                           "werden."));
    const QString text = Database::dialekt().art() == Datenbankart::PostgreSQL
                             ? servermeldung::fehler(error.nativeErrorCode(), engineMessage(error))
                             : engineMessage(error);
    if (Database::dialekt().doppelterSchluessel(error))
        throw DoppelterEintrag(text);
    if (Database::dialekt().sperreAbgelaufen(error))
        throw SperreAbgelaufen(text);
    throw DatabaseError(text.isEmpty() ? QStringLiteral("Unbekannter Datenbankfehler bei: %1").arg(sql) : text);
}

void ausfuehren(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        fail(db, query.lastError(), sql);
}

} // namespace

SqlStatement::SqlStatement(const QString& sql) : query_(Database::connection()), sql_(sql)
{
    query_.setForwardOnly(true);
    if (!query_.prepare(sql))
        fail(Database::connection(), query_.lastError(), sql);
}

SqlStatement& SqlStatement::bind(const QVariant& value)
{
    // The driver converts texts on its own; it gets them as the row writer stores them.
    if (value.typeId() == QMetaType::QString)
        query_.addBindValue(textwert::gebunden(value.toString()));
    else
        query_.addBindValue(value);
    return *this;
}

SqlStatement& SqlStatement::exec()
{
    if (!query_.exec())
        fail(Database::connection(), query_.lastError(), sql_);
    return *this;
}

bool SqlStatement::next()
{
    return query_.next();
}

QVariant SqlStatement::value(const QString& column) const
{
    const int index = query_.record().indexOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Das Feld %1 ist nicht vorhanden.").arg(column));
    return value(index);
}

QVariant SqlStatement::value(int column) const
{
    const QVariant result = query_.value(column);
    // A server date-time column: the text SQLite keeps, so readers need not know the engine.
    if (result.typeId() == QMetaType::QDateTime && !result.isNull())
        return sqldate::toSql(result.toDateTime());
    return result;
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

QStringList SqlStatement::spalten() const
{
    const QSqlRecord satz = query_.record();
    QStringList namen;
    for (int i = 0; i < satz.count(); ++i)
        namen << satz.fieldName(i);
    return namen;
}

int SqlStatement::rowsAffected() const
{
    return query_.numRowsAffected();
}

qlonglong SqlStatement::neueId()
{
    if (!next())
        throw DatabaseError(
            QStringLiteral("Die Datenbank hat keinen Schlüssel für die neue Zeile vergeben: %1").arg(sql_));
    const qlonglong id = value(0).toLongLong();
    // SQLite counts the statement as running until it is reset, and refuses to commit meanwhile.
    query_.finish();
    return id;
}

int SqlStatement::scalarInt(const QString& sql, const QVariantList& values)
{
    SqlStatement statement(sql);
    for (const QVariant& value : values)
        statement.bind(value);
    statement.exec();
    return statement.next() ? statement.value(0).toInt() : 0;
}

void SqlStatement::direkt(const QString& sql)
{
    ausfuehren(Database::connection(), sql);
}

Transaction::Transaction(Art art) : db_(Database::connection())
{
    const Dialekt& dialekt = Database::dialekt();
    ausfuehren(db_, art == Art::Lesen ? dialekt.lesetransaktionsbeginn() : dialekt.transaktionsbeginn());
}

Transaction::~Transaction()
{
    // Never throws: a connection that broke off has ended the transaction on the server already.
    if (open_)
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

void Transaction::commit()
{
    ausfuehren(db_, QStringLiteral("COMMIT"));
    open_ = false;
}
