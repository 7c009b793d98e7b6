#include "support/Testserver.h"

#include "db/DatabaseError.h"
#include "db/Serveradresse.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <signal.h>

namespace {

const QString verwaltung = QStringLiteral("varno-testserver");
const QString testdatenbankVerwaltung = QStringLiteral("varno-testdatenbank");

QString testdatenbank()
{
    return QStringLiteral("varno_test_%1").arg(QCoreApplication::applicationPid());
}

void ausfuehren(const QString& verbindung, const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(verbindung, false));
    if (!query.exec(sql))
        throw DatabaseError(query.lastError().text());
}

QSqlDatabase oeffnen(const QString& verbindung, const QString& datenbank)
{
    if (QSqlDatabase::contains(verbindung))
        return QSqlDatabase::database(verbindung);
    const Serveradresse adresse = serveradresseLesen(*testserver::adresse());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), verbindung);
    db.setHostName(adresse.rechner);
    db.setPort(adresse.port);
    db.setUserName(adresse.benutzer);
    db.setDatabaseName(datenbank);
    if (!db.open())
        throw DatabaseError(db.lastError().text());
    ausfuehren(verbindung, QStringLiteral("SET client_min_messages = warning"));
    return db;
}

void verwaltungOeffnen()
{
    oeffnen(verwaltung, serveradresseLesen(*testserver::adresse()).datenbank);
}

// The databases of test processes that are gone, this process's number from an earlier run among them.
void verwaisteLoeschen()
{
    QSqlQuery datenbanken(QSqlDatabase::database(verwaltung, false));
    if (!datenbanken.exec(QStringLiteral("SELECT datname FROM pg_database WHERE datname LIKE 'varno_test_%'")))
        throw DatabaseError(datenbanken.lastError().text());
    QStringList verwaist;
    while (datenbanken.next()) {
        const QString name = datenbanken.value(0).toString();
        const qint64 prozess = name.mid(QStringLiteral("varno_test_").size()).toLongLong();
        if (prozess == QCoreApplication::applicationPid() ||
            (::kill(static_cast<pid_t>(prozess), 0) != 0 && errno == ESRCH))
            verwaist << name;
    }
    for (const QString& name : verwaist)
        ausfuehren(verwaltung, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}

void testdatenbankAnlegen()
{
    verwaltungOeffnen();
    verwaisteLoeschen();
    ausfuehren(verwaltung, QStringLiteral("CREATE DATABASE %1").arg(testdatenbank()));
}

} // namespace

namespace testserver {

std::optional<QString> adresse()
{
    const QByteArray wert = qgetenv("VARNO_TEST_PG");
    if (wert.isEmpty())
        return std::nullopt;
    return QString::fromUtf8(wert);
}

bool fehltFuer(Datenbankart art)
{
    return art == Datenbankart::PostgreSQL && !adresse();
}

QString leereDatenbank()
{
    if (!QSqlDatabase::contains(testdatenbankVerwaltung))
        testdatenbankAnlegen();
    oeffnen(testdatenbankVerwaltung, testdatenbank());
    ausfuehren(testdatenbankVerwaltung, QStringLiteral("DROP SCHEMA public CASCADE"));
    ausfuehren(testdatenbankVerwaltung, QStringLiteral("CREATE SCHEMA public"));
    Serveradresse adresse = serveradresseLesen(*testserver::adresse());
    adresse.datenbank = testdatenbank();
    return adresse.text();
}

void alsVerwalter(const QString& sql)
{
    verwaltungOeffnen();
    ausfuehren(verwaltung, sql);
}

QString passwortAdresse()
{
    alsVerwalter(QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'varno_passwort') "
                                "THEN CREATE ROLE varno_passwort LOGIN PASSWORD 'geheim'; END IF; END $$"));
    QString adresse = leereDatenbank();
    return adresse.replace(QStringLiteral("://varno@"), QStringLiteral("://varno_passwort@"));
}

Schluesselbund::Zugang passwortZugang()
{
    const Serveradresse server = serveradresseLesen(*adresse());
    return {QStringLiteral("%1:%2").arg(server.rechner).arg(server.port), testdatenbank(),
            QStringLiteral("varno_passwort")};
}

} // namespace testserver
