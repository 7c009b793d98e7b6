#include "audit/export/Ankertabelle.h"

#include "audit/Ankerdatei.h"
#include "audit/Verankerung.h"
#include "audit/export/Kettenanzahlspalten.h"
#include "common/CsvSchreiber.h"
#include "common/GermanFormat.h"

#include <QDir>

namespace {

using Art = Exportspalte::Art;

void ankerzeilen(CsvSchreiber& csv, const Exportzeitraum&)
{
    const QString logbuch = verankerung::logbuchname();
    for (const Anker& anker : Ankerdatei(Ankerdatei::benutzerdatei()).lesen().anker) {
        if (anker.logbuch != logbuch)
            continue;
        csv.feld(QStringView(german::dateTime(anker.zeit.toLocalTime())));
        csv.feld(QStringView(anker.anlass));
        csv.feld(QStringView(QString::fromLatin1(anker.pruefwert.toHex().toUpper())));
        for (qint64 anzahl : anker.anzahl)
            csv.zahl(anzahl);
        csv.feld(QStringView(anker.logbuch));
        csv.zeileBeenden();
    }
}

// What the table says beyond its columns: where the anchors come from and whether the file holds
// more than could be read.
QString beschreibung()
{
    const Ankerdatei datei(Ankerdatei::benutzerdatei());
    QString text = QStringLiteral("Die außerhalb des Fahrtenbuchs festgehaltenen Prüfwerte dieses Fahrtenbuchs aus %1")
                       .arg(QDir::toNativeSeparators(datei.pfad()));
    const Ankerdatei::Inhalt inhalt = datei.lesen();
    if (!inhalt.vorhanden)
        text += QStringLiteral(" (die Datei gibt es nicht)");
    else if (inhalt.schaden)
        text += QStringLiteral(" (bis zur beschädigten Stelle: %1)").arg(*inhalt.schaden);
    return text;
}

} // namespace

Exporttabelle ankertabelle()
{
    std::vector<Exportspalte> spalten{
        {QStringLiteral("Zeit"), QStringLiteral("wann der Stand festgehalten wurde"), Art::Zeitpunkt},
        {QStringLiteral("Anlass"), QStringLiteral("Programmende, Datensicherung, Bericht, Export, Prüfung …")},
        {QStringLiteral("Pruefwert"), QStringLiteral("der volle Prüfwert des Stands (64 Hexadezimalziffern)")}};
    for (Exportspalte& anzahl : kettenanzahlspalten())
        spalten.push_back(std::move(anzahl));
    spalten.push_back({QStringLiteral("Logbuch"), QStringLiteral("Datei oder Server des Fahrtenbuchs")});
    return {QStringLiteral("anker.csv"),
            QStringLiteral("Prüfwertanker"),
            beschreibung(),
            std::move(spalten),
            0,
            ankerzeilen};
}
