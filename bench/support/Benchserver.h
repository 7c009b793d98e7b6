#pragma once

#include <QString>

#include <optional>

// The PostgreSQL cluster scripts/bench.sh starts (VARNO_TEST_PG), for the server's side of the
// benchmarks, and psql on it as the floor.
namespace benchserver {

// The address of an empty database `name` on the cluster, made afresh; none without a cluster.
std::optional<QString> leereDatenbank(const QString& name);

// Runs psql with `argumente` on the database at `adresse`, output thrown away; false when it fails.
bool psql(const QString& adresse, const QStringList& argumente);

} // namespace benchserver
