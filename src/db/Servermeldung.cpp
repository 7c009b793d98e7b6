#include "db/Servermeldung.h"

#include <QHash>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <libpq-fe.h>

#include <array>

Q_LOGGING_CATEGORY(serverhinweise, "varno.server", QtWarningMsg)

namespace servermeldung {

namespace {

const QString nichtsGespeichert = QStringLiteral(" Es wurde nichts gespeichert.");
const char* const serverBeendet =
    "Der Datenbankserver hat die Verbindung beendet: er wird heruntergefahren, oder ein Verwalter hat die Sitzung "
    "getrennt.";

struct Zustand {
    const char* anfang; // the SQLSTATE, or its class (first two characters)
    const char* satz;
};

// Ordered: exact codes before their class.
const std::array zustaende{
    Zustand{"57P01", serverBeendet},
    Zustand{"57P02", "Der Datenbankserver ist abgestürzt und hat die Verbindung beendet."},
    Zustand{"57P03", "Der Datenbankserver nimmt gerade keine Verbindungen an (er startet oder fährt herunter)."},
    Zustand{"57014", "Die Anweisung wurde auf dem Datenbankserver abgebrochen."},
    Zustand{"55P03", "Ein anderer Benutzer hält die Daten gesperrt, und die Wartezeit ist abgelaufen."},
    Zustand{"40001", "Ein anderer Benutzer hat gleichzeitig gespeichert; bitte versuchen Sie es noch einmal."},
    Zustand{"40P01", "Ein anderer Benutzer hat gleichzeitig gespeichert; bitte versuchen Sie es noch einmal."},
    Zustand{"23505", "Ein Eintrag mit demselben Schlüssel ist bereits gespeichert."},
    Zustand{"53100", "Auf dem Datenbankserver ist kein Speicherplatz mehr frei."},
    Zustand{"53", "Dem Datenbankserver fehlen die Mittel (Speicher oder Verbindungen), die Anweisung auszuführen."},
    Zustand{"08", "Die Verbindung zum Datenbankserver ist abgerissen."},
    Zustand{"25006", "Das Fahrtenbuch ist schreibgeschützt; Änderungen können nicht gespeichert werden."},
};

// "permission denied for table t_basis" names the object; the sentence names it in German.
QString fehlendesRecht(const QString& englisch)
{
    static const QRegularExpression muster(
        QStringLiteral(R"(permission denied for (table|relation|sequence|schema|database|function) (\S+))"));
    const QRegularExpressionMatch treffer = muster.match(englisch);
    static const QHash<QString, QString> arten{{QStringLiteral("table"), QStringLiteral("die Tabelle")},
                                               {QStringLiteral("relation"), QStringLiteral("die Tabelle")},
                                               {QStringLiteral("sequence"), QStringLiteral("die Sequenz")},
                                               {QStringLiteral("schema"), QStringLiteral("das Schema")},
                                               {QStringLiteral("database"), QStringLiteral("die Datenbank")},
                                               {QStringLiteral("function"), QStringLiteral("die Funktion")}};
    const QString objekt = treffer.hasMatch()
                               ? QStringLiteral(" für %1 %2").arg(arten.value(treffer.captured(1)), treffer.captured(2))
                               : QString();
    return QStringLiteral("Dem Benutzer fehlt auf dem Datenbankserver ein Recht%1. Der Eigentümer des Fahrtenbuchs "
                          "gibt es mit „varno server benutzer NAME“.")
        .arg(objekt);
}

// A broken connection answers without a code; libpq's text then says why.
QString ohneZustand(const QString& englisch)
{
    if (englisch.contains(QLatin1String("terminating connection due to administrator command")))
        return QString::fromUtf8(serverBeendet);
    if (englisch.contains(QLatin1String("server closed the connection")) ||
        englisch.contains(QLatin1String("no connection to the server")) ||
        englisch.contains(QLatin1String("could not receive data")) ||
        englisch.contains(QLatin1String("could not send data")))
        return QStringLiteral("Die Verbindung zum Datenbankserver ist abgerissen.");
    return {};
}

} // namespace

QString fehler(const QString& sqlstate, const QString& englisch)
{
    if (sqlstate == QLatin1String("42501"))
        return fehlendesRecht(englisch) + nichtsGespeichert;
    for (const Zustand& zustand : zustaende)
        if (!sqlstate.isEmpty() && sqlstate.startsWith(QLatin1String(zustand.anfang)))
            return QString::fromUtf8(zustand.satz) + nichtsGespeichert;
    if (sqlstate.isEmpty())
        if (const QString satz = ohneZustand(englisch); !satz.isEmpty())
            return satz + nichtsGespeichert;
    if (englisch.isEmpty())
        return QStringLiteral("Der Datenbankserver hat die Anweisung abgelehnt.") + nichtsGespeichert;
    return QStringLiteral("Der Datenbankserver hat die Anweisung abgelehnt: %1").arg(englisch);
}

QString verbindungsfehler(const QString& englisch)
{
    struct Ursache {
        const char* teil;
        const char* satz;
    };
    static constexpr std::array ursachen{
        Ursache{"Connection refused", "der Server nimmt dort keine Verbindungen an (läuft er, stimmt der Port?)"},
        Ursache{"could not translate host name", "der Rechnername ist unbekannt"},
        Ursache{"timeout expired", "der Server antwortet nicht"},
        Ursache{"No route to host", "der Rechner ist im Netz nicht erreichbar"},
        Ursache{"does not exist", "die Datenbank oder der Benutzer ist dort nicht angelegt"},
        Ursache{"no pg_hba.conf entry", "der Server lässt diesen Benutzer von diesem Rechner aus nicht zu"},
        Ursache{"too many clients", "der Server hat keine freien Verbindungen mehr"},
        Ursache{"the database system is starting up", "der Server startet gerade"},
        Ursache{"the database system is shutting down", "der Server fährt gerade herunter"},
        Ursache{"password authentication failed", "das Passwort wurde abgelehnt"},
    };
    for (const Ursache& ursache : ursachen)
        if (englisch.contains(QLatin1String(ursache.teil)))
            return QStringLiteral("Der Datenbankserver ist nicht erreichbar: %1.").arg(QString::fromUtf8(ursache.satz));
    return QStringLiteral("Der Datenbankserver ist nicht erreichbar: %1").arg(englisch.simplified());
}

void hinweiseUmleiten(pg_conn* verbindung)
{
    PQsetNoticeProcessor(
        verbindung,
        [](void*, const char* hinweis) { qCDebug(serverhinweise).noquote() << QString::fromUtf8(hinweis).trimmed(); },
        nullptr);
}

} // namespace servermeldung
