#include "Sqlite3Shell.h"

#include "Messung.h"

#include <QProcess>

void sqlite3Shell(benchmark::State& state, const QString& datei, const QString& sql, const QString& messung)
{
    Messung zeit(messung);
    for (auto _ : state) {
        QProcess prozess;
        prozess.setStandardOutputFile(QProcess::nullDevice());
        bool fertig = false;
        zeit.messen([&] {
            prozess.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), datei, sql});
            fertig = prozess.waitForFinished(-1);
        });
        if (!fertig || prozess.exitCode() != 0) {
            state.SkipWithError("sqlite3 fehlgeschlagen");
            return;
        }
    }
}
