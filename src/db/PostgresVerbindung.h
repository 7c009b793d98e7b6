#pragma once

class QSqlDatabase;
struct pg_conn;

// libpq's own handle of a server connection Qt opened, for what Qt's driver does not offer
// (reading a large result in place, COPY, the state of the connection). Throws DatabaseError when
// `db` is no open server connection.
pg_conn* postgresVerbindung(const QSqlDatabase& db);

// Whether `db` is a server connection that broke off (server stopped, network gone, session ended).
bool postgresVerbindungAbgerissen(const QSqlDatabase& db);

// After a failed statement: throws DatabaseError with the German message about the lost connection
// when that was the cause. The transaction of the statement ended on the server with nothing stored.
void abrissMelden(const QSqlDatabase& db);
