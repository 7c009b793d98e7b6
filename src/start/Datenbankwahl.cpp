#include "start/Datenbankwahl.h"

#include "common/VarnoError.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString schluesselArt = QStringLiteral("Datenbank/Art");
const QString schluesselRechner = QStringLiteral("Datenbank/Rechner");
const QString schluesselPort = QStringLiteral("Datenbank/Port");
const QString schluesselName = QStringLiteral("Datenbank/Name");
const QString schluesselBenutzer = QStringLiteral("Datenbank/Benutzer");
const QString artServer = QStringLiteral("Server");
const QString artDatei = QStringLiteral("Datei");

std::optional<int> portLesen(const QString& text)
{
    bool zahl = false;
    const int port = text.trimmed().toInt(&zahl);
    if (!zahl || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace

QString Datenbankwahl::datei()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("datenbank.conf"));
}

Datenbankwahl Datenbankwahl::laden()
{
    const QSettings einstellungen(datei(), QSettings::IniFormat);
    Datenbankwahl wahl;
    wahl.server = einstellungen.value(schluesselArt).toString() == artServer;
    wahl.adresse.rechner = einstellungen.value(schluesselRechner).toString();
    wahl.adresse.port = portLesen(einstellungen.value(schluesselPort).toString()).value_or(Serveradresse::standardport);
    wahl.adresse.datenbank = einstellungen.value(schluesselName).toString();
    wahl.adresse.benutzer = einstellungen.value(schluesselBenutzer).toString();
    return wahl;
}

void Datenbankwahl::speichern() const
{
    QSettings einstellungen(datei(), QSettings::IniFormat);
    einstellungen.setValue(schluesselArt, server ? artServer : artDatei);
    einstellungen.setValue(schluesselRechner, adresse.rechner);
    einstellungen.setValue(schluesselPort, adresse.port);
    einstellungen.setValue(schluesselName, adresse.datenbank);
    einstellungen.setValue(schluesselBenutzer, adresse.benutzer);
    einstellungen.sync();
    if (einstellungen.status() != QSettings::NoError)
        throw VarnoError(QStringLiteral("Die Datenbankwahl konnte nicht in %1 gespeichert werden.")
                             .arg(QDir::toNativeSeparators(datei())));
}

std::variant<Datenbankwahl, QString> datenbankwahlLesen(bool server, const QString& rechner, const QString& port,
                                                        const QString& datenbank, const QString& benutzer)
{
    Datenbankwahl wahl{server,
                       {benutzer.trimmed(), rechner.trimmed(), Serveradresse::standardport, datenbank.trimmed()}};
    const std::optional<int> gelesen = portLesen(port);
    if (gelesen)
        wahl.adresse.port = *gelesen;
    if (!server)
        return wahl;
    if (wahl.adresse.rechner.isEmpty())
        return QStringLiteral("Bitte geben Sie den Rechner des Datenbankservers an.");
    if (!gelesen)
        return QStringLiteral("Der Port muss eine Zahl von 1 bis 65535 sein.");
    if (wahl.adresse.datenbank.isEmpty())
        return QStringLiteral("Bitte geben Sie den Namen der Datenbank an.");
    return wahl;
}
