#include "start/Logbuchpruefung.h"

#include "db/Datenbankkopf.h"
#include "logbuch/schema/Schema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace Logbuchpruefung {

namespace {

// SQLite's primary result codes that tell why a file cannot be read.
enum SqliteFehler {
    sqlitePerm = 3,
    sqliteBusy = 5,
    sqliteLocked = 6,
    sqliteReadOnly = 8,
    sqliteCorrupt = 11,
    sqliteCantOpen = 14,
    sqliteNotADb = 26
};

Ergebnis befund(Befund art, const QString& grund)
{
    return {art, grund};
}

// The engine's reason in the program's words.
Ergebnis lesefehler(const QSqlError& fehler)
{
    // Extended result codes keep the primary code in their low byte.
    switch (fehler.nativeErrorCode().toInt() & 0xff) {
    case sqliteBusy:
    case sqliteLocked:
        return befund(Befund::Gesperrt, QStringLiteral("Die Datei wird von einem anderen Programm benutzt."));
    case sqlitePerm:
    case sqliteCantOpen:
        return befund(Befund::KeinZugriff, QStringLiteral("Auf die Datei besteht kein Zugriff."));
    case sqliteReadOnly:
        return befund(Befund::Beschaedigt, QStringLiteral("Ein unterbrochener Schreibvorgang kann nicht zurückgenommen "
                                                          "werden, weil die Datei schreibgeschützt ist."));
    case sqliteNotADb:
        return befund(Befund::Beschaedigt,
                      QStringLiteral("Die Datei ist keine Datenbank, oder ihr Kopf ist beschädigt."));
    case sqliteCorrupt:
    default:
        return befund(Befund::Beschaedigt, QStringLiteral("Die Datenbank ist beschädigt."));
    }
}

std::optional<Ergebnis> versionsMangel(QSqlQuery& query)
{
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return lesefehler(query.lastError());
    const int version = query.value(0).toInt();
    if (version > Schema::currentVersion)
        return befund(
            Befund::NeuereVersion,
            QStringLiteral("Die Datenbank stammt aus einer neueren Programmversion (Schema %1).").arg(version));
    if (version < 1)
        return befund(Befund::KeinLogbuch, QStringLiteral("Die Datei ist kein Varno-Fahrtenbuch."));
    return std::nullopt;
}

std::optional<Ergebnis> seitenMangel(QSqlQuery& query, Tiefe tiefe)
{
    const QString pruefung =
        tiefe == Tiefe::Schnell ? QStringLiteral("PRAGMA quick_check") : QStringLiteral("PRAGMA integrity_check");
    if (!query.exec(pruefung) || !query.next())
        return lesefehler(query.lastError());
    if (query.value(0).toString() != QLatin1String("ok"))
        return befund(Befund::Beschaedigt, QStringLiteral("Die Datenbank ist beschädigt."));
    return std::nullopt;
}

std::optional<Ergebnis> inhaltsMangel(QSqlDatabase& db, QSqlQuery& query)
{
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return lesefehler(query.lastError());
    const QStringList vorhanden = db.tables();
    for (const QString& tabelle : Schema::tableNames(query.value(0).toInt()))
        if (!vorhanden.contains(tabelle))
            return befund(Befund::KeinLogbuch, QStringLiteral("Der Datenbank fehlt die Tabelle %1.").arg(tabelle));
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM T_Optionen")) || !query.next())
        return lesefehler(query.lastError());
    if (query.value(0).toInt() != 1)
        return befund(Befund::KeinLogbuch, QStringLiteral("Der Datenbank fehlen die Einstellungen."));
    return std::nullopt;
}

Ergebnis verbundenPruefen(QSqlDatabase& db, Tiefe tiefe)
{
    QSqlQuery query(db);
    if (auto mangel = versionsMangel(query))
        return *mangel;
    if (auto mangel = seitenMangel(query, tiefe))
        return *mangel;
    if (auto mangel = inhaltsMangel(db, query))
        return *mangel;
    return {};
}

} // namespace

std::optional<Ergebnis> zugriffsMangel(const QString& pfad)
{
    const QFileInfo datei(pfad);
    if (!datei.exists())
        return befund(Befund::Fehlt, QStringLiteral("Die Datei wurde nicht gefunden."));
    if (datei.isDir())
        return befund(Befund::KeinZugriff, QStringLiteral("Der Name bezeichnet ein Verzeichnis, keine Datei."));
    if (!datei.isReadable())
        return befund(Befund::KeinZugriff, QStringLiteral("Auf die Datei besteht kein Lesezugriff."));
    return std::nullopt;
}

Ergebnis pruefen(const QString& pfad, Tiefe tiefe, int sperrWartezeitMs)
{
    if (auto mangel = zugriffsMangel(pfad))
        return *mangel;
    if (const auto mangel = datenbankkopf::laengenMangel(pfad))
        return befund(Befund::Beschaedigt, *mangel);
    const QString verbindung = QStringLiteral("varno-pruefung-") + QUuid::createUuid().toString(QUuid::Id128);
    Ergebnis ergebnis;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
        db.setDatabaseName(pfad);
        // Not read-only: after a crash SQLite must be able to take back the interrupted transaction
        // before anything can be read.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(sperrWartezeitMs));
        ergebnis = db.open() ? verbundenPruefen(db, tiefe) : lesefehler(db.lastError());
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindung);
    return ergebnis;
}

} // namespace Logbuchpruefung
