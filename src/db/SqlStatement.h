#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

// One prepared statement on the shared connection; values are always bound, never pasted into
// the text. Every failure throws DatabaseError with the engine's message. Date-times read from a
// server column come back as the same ISO text SQLite stores.
class SqlStatement {
public:
    explicit SqlStatement(const QString& sql);

    SqlStatement& bind(const QVariant& value);
    SqlStatement& exec();

    bool next();
    QVariant value(const QString& column) const;
    QVariant value(int column) const;
    int intValue(const QString& column) const;
    QString text(const QString& column) const;
    bool isNull(const QString& column) const;

    // The names of the result's columns, as the engine spells them.
    QStringList spalten() const;
    int rowsAffected() const;
    // The key an INSERT ... RETURNING ID gave back (the common way of both engines).
    qlonglong neueId();

    // Convenience for statements whose single result is one number (COUNT, MAX).
    static int scalarInt(const QString& sql, const QVariantList& values = {});
    // A statement without values (table definitions, settings), run as it stands: a server prepares
    // only queries and changes.
    static void direkt(const QString& sql);

private:
    QSqlQuery query_;
    QString sql_;
};

// Several statements that must succeed together; rolls back unless committed.
class Transaction {
public:
    enum class Art {
        Schreiben,
        // Reads only, from one consistent state of the whole logbook (a backup while others write).
        Lesen
    };

    explicit Transaction(Art art = Art::Schreiben);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    QSqlDatabase db_;
    bool open_ = true;
};
