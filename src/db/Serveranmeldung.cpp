#include "db/Serveranmeldung.h"

#include "common/Prompts.h"
#include "db/DatabaseError.h"

#include <QHash>
#include <QSqlDatabase>

#include <libpq-fe.h>

#include <memory>
#include <optional>

namespace {

// Gives up on a server that does not answer rather than hanging the program.
constexpr auto wartezeitSekunden = "10";
constexpr int versuche = 3;

enum class Ergebnis { Angemeldet, PasswortFehlt, PasswortAbgelehnt };

struct Verbindungsende {
    void operator()(PGconn* verbindung) const { PQfinish(verbindung); }
};

// One trial login through libpq, which tells reliably whether the password was the reason.
Ergebnis versuchen(const Serveradresse& adresse, const QString& passwort)
{
    const QByteArray rechner = adresse.rechner.toUtf8();
    const QByteArray port = QByteArray::number(adresse.port);
    const QByteArray datenbank = adresse.datenbank.toUtf8();
    const QByteArray benutzer = adresse.benutzer.toUtf8();
    const QByteArray kennwort = passwort.toUtf8();
    const char* schluessel[] = {"host", "port", "dbname", "user", "password", "connect_timeout", nullptr};
    const char* werte[] = {rechner.constData(),
                           port.constData(),
                           datenbank.constData(),
                           benutzer.isEmpty() ? nullptr : benutzer.constData(),
                           passwort.isEmpty() ? nullptr : kennwort.constData(),
                           wartezeitSekunden,
                           nullptr};
    const std::unique_ptr<PGconn, Verbindungsende> verbindung(PQconnectdbParams(schluessel, werte, 0));
    if (PQstatus(verbindung.get()) == CONNECTION_OK)
        return Ergebnis::Angemeldet;
    if (PQconnectionNeedsPassword(verbindung.get()))
        return Ergebnis::PasswortFehlt;
    if (PQconnectionUsedPassword(verbindung.get()))
        return Ergebnis::PasswortAbgelehnt;
    throw DatabaseError(QStringLiteral("Die Verbindung zum Datenbankserver %1 ist nicht möglich:\n%2")
                            .arg(adresse.text(), QString::fromUtf8(PQerrorMessage(verbindung.get())).trimmed()));
}

QString passwortFragen(const Serveradresse& adresse, bool abgelehnt)
{
    const QString frage = QStringLiteral("Passwort für %1 an der Datenbank %2 auf %3:")
                              .arg(adresse.benutzer.isEmpty() ? QStringLiteral("Ihr Benutzerkonto") : adresse.benutzer,
                                   adresse.datenbank, adresse.rechner);
    const std::optional<QString> passwort =
        Prompts::instance().password(QStringLiteral("Anmeldung am Datenbankserver"),
                                     abgelehnt ? QStringLiteral("Das Passwort wurde abgelehnt.\n") + frage : frage);
    if (!passwort)
        throw DatabaseError(QStringLiteral("Die Anmeldung am Datenbankserver wurde abgebrochen."));
    return *passwort;
}

// The password that last worked for an address, so that opening the same server again (a new
// logbook right after finding the database empty) asks no second time. Memory only.
QHash<QString, QString>& bekanntePasswoerter()
{
    static QHash<QString, QString> passwoerter;
    return passwoerter;
}

} // namespace

Serveranmeldung Serveranmeldung::anmelden(const Serveradresse& adresse)
{
    QString passwort = bekanntePasswoerter().value(adresse.text());
    Ergebnis ergebnis = versuchen(adresse, passwort);
    for (int versuch = 0; ergebnis != Ergebnis::Angemeldet; ++versuch) {
        if (versuch == versuche)
            throw DatabaseError(
                QStringLiteral("Die Anmeldung am Datenbankserver ist %1-mal fehlgeschlagen.").arg(versuche));
        passwort = passwortFragen(adresse, ergebnis == Ergebnis::PasswortAbgelehnt);
        ergebnis = versuchen(adresse, passwort);
    }
    bekanntePasswoerter().insert(adresse.text(), passwort);
    return Serveranmeldung(adresse, passwort);
}

void Serveranmeldung::passwoerterVergessen()
{
    bekanntePasswoerter().clear();
}

void Serveranmeldung::einrichten(QSqlDatabase& db) const
{
    db.setHostName(adresse_.rechner);
    db.setPort(adresse_.port);
    db.setDatabaseName(adresse_.datenbank);
    db.setUserName(adresse_.benutzer);
    db.setPassword(passwort_);
    db.setConnectOptions(
        QStringLiteral("connect_timeout=%1;application_name=Varno").arg(QLatin1String(wartezeitSekunden)));
}
