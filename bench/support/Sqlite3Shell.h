#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// Runs `sql` on the file with the sqlite3 shell once per iteration: the floor a statement of the
// program is measured against. A `messung` named keeps the mean time for a ratio (see Messung).
void sqlite3Shell(benchmark::State& state, const QString& datei, const QString& sql, const QString& messung = {});
