#include "audit/Ankerdatei.h"

#include "common/VarnoError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr int sperrfristMs = 5000;

struct Gelesen {
    Ankerdatei::Inhalt inhalt;
    QByteArray letzterKettenwert = QByteArray(pruefkette::wertLaenge, '\0');
};

Gelesen zeilenLesen(const QString& pfad)
{
    Gelesen ergebnis;
    QFile datei(pfad);
    ergebnis.inhalt.vorhanden = datei.exists();
    if (!ergebnis.inhalt.vorhanden)
        return ergebnis;
    if (!datei.open(QIODevice::ReadOnly)) {
        ergebnis.inhalt.schaden =
            QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(pfad, datei.errorString());
        return ergebnis;
    }
    int nummer = 0;
    while (!datei.atEnd()) {
        const QString zeile = QString::fromUtf8(datei.readLine()).trimmed();
        ++nummer;
        const auto gelesen = ankerzeile::lesen(zeile);
        if (!gelesen) {
            ergebnis.inhalt.schaden =
                QStringLiteral("Zeile %1 der Datei %2 ist keine Zeile eines Prüfwertankers.").arg(nummer).arg(pfad);
            return ergebnis;
        }
        if (ankerzeile::kettenwert(gelesen->felder, ergebnis.letzterKettenwert) != gelesen->kettenwert) {
            ergebnis.inhalt.schaden = QStringLiteral("Zeile %1 der Datei %2 passt nicht zu den Zeilen davor: eine "
                                                     "Zeile wurde verändert, entfernt oder eingefügt.")
                                          .arg(nummer)
                                          .arg(pfad);
            return ergebnis;
        }
        ergebnis.letzterKettenwert = gelesen->kettenwert;
        ergebnis.inhalt.anker.push_back(gelesen->anker);
    }
    return ergebnis;
}

} // namespace

Ankerdatei::Ankerdatei(QString pfad) : pfad_(std::move(pfad)) {}

QString Ankerdatei::benutzerdatei()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/pruefwerte.txt");
}

Ankerdatei::Inhalt Ankerdatei::lesen() const
{
    return zeilenLesen(pfad_).inhalt;
}

void Ankerdatei::anhaengen(const Anker& anker) const
{
    const auto fehler = [this](const QString& grund) {
        return VarnoError(QStringLiteral("Der Prüfwert konnte nicht in %1 festgehalten werden: %2").arg(pfad_, grund));
    };
    if (!QDir().mkpath(QFileInfo(pfad_).absolutePath()))
        throw fehler(QStringLiteral("Der Ordner kann nicht angelegt werden."));
    QLockFile sperre(pfad_ + QStringLiteral(".lock"));
    if (!sperre.tryLock(sperrfristMs))
        throw fehler(QStringLiteral("Die Datei ist von einem anderen Programm gesperrt."));
    const Gelesen bisher = zeilenLesen(pfad_);
    // A damaged file stays as it is for whoever examines it; chaining on would hide the damage.
    if (bisher.inhalt.schaden)
        throw fehler(*bisher.inhalt.schaden);
    const QString felder = ankerzeile::felder(anker);
    const QByteArray zeile =
        (felder + QLatin1Char('\t') +
         QString::fromLatin1(ankerzeile::kettenwert(felder, bisher.letzterKettenwert).toHex().toUpper()) +
         QLatin1Char('\n'))
            .toUtf8();
    QFile datei(pfad_);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append) || datei.write(zeile) != zeile.size() || !datei.flush())
        throw fehler(datei.errorString());
}
