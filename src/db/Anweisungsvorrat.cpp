#include "db/Anweisungsvorrat.h"

#include "db/DatabaseError.h"

#include <QHash>
#include <QString>

#include <sqlite3.h>

namespace {

// The SQL texts are the program's own, a few dozen at most: none is ever dropped before the
// connection closes.
class Vorrat {
public:
    ~Vorrat() { leeren(); }

    sqlite3_stmt* nehmen(sqlite3* db, const QByteArray& sql)
    {
        // Statements of a connection that closed without leeren() are of no use on another one.
        if (db != db_)
            leeren();
        db_ = db;
        if (sqlite3_stmt* gehalten = anweisungen_.take(sql))
            return gehalten;
        sqlite3_stmt* neu = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &neu, nullptr) != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
        return neu;
    }

    void zurueckgeben(sqlite3_stmt* anweisung)
    {
        sqlite3_reset(anweisung);
        sqlite3_clear_bindings(anweisung);
        const QByteArray sql(sqlite3_sql(anweisung));
        if (sqlite3_db_handle(anweisung) != db_ || anweisungen_.contains(sql)) {
            sqlite3_finalize(anweisung);
            return;
        }
        anweisungen_.insert(sql, anweisung);
    }

    void leeren()
    {
        for (sqlite3_stmt* anweisung : std::as_const(anweisungen_))
            sqlite3_finalize(anweisung);
        anweisungen_.clear();
        db_ = nullptr;
    }

    int anzahl() const { return static_cast<int>(anweisungen_.size()); }

private:
    sqlite3* db_ = nullptr;
    QHash<QByteArray, sqlite3_stmt*> anweisungen_;
};

// Each thread has a connection of its own (see Database.h), and so statements of its own.
Vorrat& vorrat()
{
    thread_local Vorrat v;
    return v;
}

} // namespace

namespace anweisungsvorrat {

sqlite3_stmt* nehmen(sqlite3* db, const QByteArray& sql)
{
    return vorrat().nehmen(db, sql);
}

void zurueckgeben(sqlite3_stmt* anweisung)
{
    vorrat().zurueckgeben(anweisung);
}

void leeren()
{
    vorrat().leeren();
}

int anzahl()
{
    return vorrat().anzahl();
}

} // namespace anweisungsvorrat
