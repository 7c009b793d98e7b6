#pragma once

#include "common/Schluesselbund.h"
#include "db/Dialekt.h"

#include <QString>

#include <optional>

// The throwaway PostgreSQL cluster the README's test command starts (VARNO_TEST_PG).
namespace testserver {

// Why a test that needs the server did not run.
inline constexpr auto fehlt =
    "VARNO_TEST_PG ist nicht gesetzt: dieser Test braucht den PostgreSQL-Testcluster, den scripts/test.sh startet "
    "(von Hand: source scripts/pg-testcluster.sh && pg_testcluster_start).";

// The cluster's address, if the tests got one.
std::optional<QString> adresse();
// Whether a test on `art` has to be skipped: the server without a cluster.
bool fehltFuer(Datenbankart art);

// The address of this test process's own database on the cluster, emptied of every table: what a
// user hands the program as a new server database. Created on first use; the databases of test
// processes that have ended are dropped then (the cluster of the test run goes anyway).
QString leereDatenbank();

// The address of leereDatenbank() for the role varno_passwort, which the cluster asks the
// password "geheim" of (see scripts/pg-testcluster.sh).
QString passwortAdresse();
// The keyring entry that holds the password of passwortAdresse().
Schluesselbund::Zugang passwortZugang();

// A database statement run on the cluster as its superuser (roles, ending sessions); outside the
// program's connection. Throws DatabaseError.
void alsVerwalter(const QString& sql);

} // namespace testserver
