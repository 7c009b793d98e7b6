#include "Sqlite3Shell.h"

#include <QProcess>

void sqlite3Shell(benchmark::State& state, const QString& datei, const QString& sql)
{
    for (auto _ : state) {
        QProcess prozess;
        prozess.setStandardOutputFile(QProcess::nullDevice());
        prozess.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), datei, sql});
        if (!prozess.waitForFinished(-1) || prozess.exitCode() != 0) {
            state.SkipWithError("sqlite3 fehlgeschlagen");
            return;
        }
    }
}
