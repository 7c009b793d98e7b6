#include "db/Lesestand.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/PostgresVerbindung.h"
#include "db/SqliteVerbindung.h"

#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

bool transaktionOffen()
{
    if (Database::dialekt().art() == Datenbankart::SQLite)
        return sqlite3_get_autocommit(sqliteVerbindung()) == 0;
    return PQtransactionStatus(postgresVerbindung(Database::connection())) != PQTRANS_IDLE;
}

} // namespace

Lesestand::Lesestand()
{
    if (!transaktionOffen())
        transaktion_.emplace(Transaction::Art::Lesen);
}
