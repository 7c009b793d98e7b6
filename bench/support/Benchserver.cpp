#include "Benchserver.h"

#include <QProcess>
#include <QStringList>

namespace benchserver {

std::optional<QString> leereDatenbank(const QString& name)
{
    const QString cluster = qEnvironmentVariable("VARNO_TEST_PG");
    if (cluster.isEmpty())
        return std::nullopt;
    // The name is the benchmark's own.
    if (!psql(cluster, {QStringLiteral("-c"), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name)}) ||
        !psql(cluster, {QStringLiteral("-c"), QStringLiteral("CREATE DATABASE %1").arg(name)}))
        return std::nullopt;
    return cluster.left(cluster.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

bool psql(const QString& adresse, const QStringList& argumente)
{
    QProcess prozess;
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.start(QStringLiteral("psql"), QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                                      QStringLiteral("ON_ERROR_STOP=1"), adresse} +
                                              argumente);
    return prozess.waitForFinished(-1) && prozess.exitStatus() == QProcess::NormalExit && prozess.exitCode() == 0;
}

} // namespace benchserver
