#include "db/Serveranmeldung.h"

#include "common/Prompts.h"
#include "common/Schluesselbund.h"
#include "db/DatabaseError.h"
#include "db/Servermeldung.h"

#include <QHash>
#include <QSqlDatabase>

#include <libpq-fe.h>

#include <memory>
#include <optional>

namespace {

// Gives up on a server that does not answer rather than hanging the program.
constexpr auto wartezeitSekunden = "10";
constexpr int versuche = 3;
const QString anmeldetitel = QStringLiteral("Anmeldung am Datenbankserver");

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
                            .arg(adresse.text(), servermeldung::verbindungsfehler(
                                                     QString::fromUtf8(PQerrorMessage(verbindung.get())).trimmed())));
}

// Where the password came from that the server refused, for naming the cause of a failed login.
enum class Herkunft { Keine, Gemerkt, PgPass, Schluesselbund, Getippt };

QString abgelehnt(Herkunft herkunft)
{
    switch (herkunft) {
    case Herkunft::Gemerkt:
        return QStringLiteral("das zuletzt verwendete Passwort wurde abgelehnt");
    case Herkunft::PgPass:
        return QStringLiteral("das Passwort aus ~/.pgpass (oder PGPASSWORD) wurde abgelehnt");
    case Herkunft::Schluesselbund:
        return QStringLiteral("das Passwort aus dem Schlüsselbund des Systems wurde abgelehnt und dort entfernt");
    case Herkunft::Getippt:
        return QStringLiteral("das eingegebene Passwort wurde abgelehnt");
    case Herkunft::Keine:
        break;
    }
    return {};
}

QString passwortFragen(const Serveradresse& adresse, Herkunft abgelehnteHerkunft)
{
    const QString ursache = abgelehnt(abgelehnteHerkunft);
    if (!Prompts::instance().kannFragen())
        throw DatabaseError(
            ursache.isEmpty()
                ? QStringLiteral("Der Datenbankserver verlangt ein Passwort; weder der Schlüsselbund des Systems noch "
                                 "~/.pgpass hält eines, und ohne Terminal kann nicht danach gefragt werden.")
                : QStringLiteral("Die Anmeldung am Datenbankserver ist gescheitert: %1, und ohne Terminal kann nach "
                                 "keinem anderen gefragt werden.")
                      .arg(ursache));
    const QString frage = QStringLiteral("Passwort für %1 an der Datenbank %2 auf %3:")
                              .arg(adresse.benutzer.isEmpty() ? QStringLiteral("Ihr Benutzerkonto") : adresse.benutzer,
                                   adresse.datenbank, adresse.rechner);
    const std::optional<QString> passwort = Prompts::instance().password(
        anmeldetitel, ursache.isEmpty() ? frage : QStringLiteral("Das Passwort wurde abgelehnt.\n") + frage);
    if (!passwort)
        throw DatabaseError(ursache.isEmpty()
                                ? QStringLiteral("Die Anmeldung am Datenbankserver wurde abgebrochen.")
                                : QStringLiteral("Die Anmeldung am Datenbankserver wurde abgebrochen; %1.").arg(ursache));
    return *passwort;
}

// The password that last worked for an address, so that opening the same server again (a new
// logbook right after finding the database empty) asks no second time. Memory only.
QHash<QString, QString>& bekanntePasswoerter()
{
    static QHash<QString, QString> passwoerter;
    return passwoerter;
}

Schluesselbund::Zugang zugang(const Serveradresse& adresse)
{
    return {QStringLiteral("%1:%2").arg(adresse.rechner).arg(adresse.port), adresse.datenbank, adresse.benutzer};
}

// Tries the password the system's keyring holds for the server, if any; one the server refuses
// is taken out of the keyring.
std::optional<QString> gespeichertesVersuchen(const Serveradresse& adresse, Ergebnis& ergebnis)
{
    Schluesselbund* schluesselbund = Schluesselbund::instance();
    if (!schluesselbund)
        return std::nullopt;
    const std::optional<QString> passwort = schluesselbund->nachschlagen(zugang(adresse));
    if (!passwort)
        return std::nullopt;
    ergebnis = versuchen(adresse, *passwort);
    if (ergebnis == Ergebnis::PasswortAbgelehnt)
        schluesselbund->vergessen(zugang(adresse));
    return passwort;
}

// Keeps a typed password that worked in the keyring: in place of a stored one the server refused
// without a question, else when the user wants it.
void getipptesAblegen(const Serveradresse& adresse, const QString& passwort, bool ersetztGespeichertes)
{
    Schluesselbund* schluesselbund = Schluesselbund::instance();
    if (!schluesselbund || !schluesselbund->verfuegbar())
        return;
    if (!ersetztGespeichertes &&
        (Schluesselbund::nutzung() != Schluesselbund::Nutzung::SpeichernAnbieten ||
         !prompt::confirm(anmeldetitel, QStringLiteral("Passwort im Schlüsselbund des Systems speichern?"))))
        return;
    if (!schluesselbund->speichern(zugang(adresse), passwort))
        prompt::warning(QStringLiteral("Das Passwort ließ sich nicht im Schlüsselbund des Systems speichern; "
                                       "Varno fragt beim nächsten Start wieder danach."));
}

} // namespace

Serveranmeldung Serveranmeldung::anmelden(const Serveradresse& adresse)
{
    QString passwort = bekanntePasswoerter().value(adresse.text());
    Ergebnis ergebnis = versuchen(adresse, passwort);
    // Without a password of ours libpq reads ~/.pgpass; a refusal then is that file's password.
    Herkunft herkunft = passwort.isEmpty() ? Herkunft::PgPass : Herkunft::Gemerkt;
    if (ergebnis != Ergebnis::Angemeldet) {
        const Ergebnis vorher = ergebnis;
        const std::optional<QString> gespeichert = gespeichertesVersuchen(adresse, ergebnis);
        if (gespeichert)
            herkunft = Herkunft::Schluesselbund;
        if (gespeichert && ergebnis == Ergebnis::Angemeldet)
            passwort = *gespeichert;
        if (!gespeichert && vorher == Ergebnis::PasswortFehlt)
            herkunft = Herkunft::Keine;
    }
    const bool ersetztGespeichertes = herkunft == Herkunft::Schluesselbund;
    for (int versuch = 0; ergebnis != Ergebnis::Angemeldet; ++versuch) {
        if (versuch == versuche)
            throw DatabaseError(QStringLiteral("Die Anmeldung am Datenbankserver ist %1-mal fehlgeschlagen: %2.")
                                    .arg(versuche)
                                    .arg(abgelehnt(Herkunft::Getippt)));
        passwort = passwortFragen(adresse, ergebnis == Ergebnis::PasswortAbgelehnt ? herkunft : Herkunft::Keine);
        herkunft = Herkunft::Getippt;
        ergebnis = versuchen(adresse, passwort);
        if (ergebnis == Ergebnis::Angemeldet)
            getipptesAblegen(adresse, passwort, ersetztGespeichertes);
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
