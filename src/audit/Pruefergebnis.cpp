#include "audit/Pruefergebnis.h"

#include "common/Zaehlwoerter.h"

#include <QStringList>

using pruefkette::Kette;

namespace {

QString was(const Pruefbefund& befund)
{
    switch (befund.art) {
    case Pruefbefund::Art::Veraendert:
        return QStringLiteral("nach dem Speichern verändert.");
    case Pruefbefund::Art::OhnePruefwert:
        return QStringLiteral("ohne Prüfwert, nicht von Varno gespeichert (eingefügt).");
    case Pruefbefund::Art::Eingefuegt:
        return QStringLiteral("nachträglich eingefügt.");
    case Pruefbefund::Art::Fehlt:
        return QStringLiteral("davor fehlt mindestens ein Eintrag (gelöscht).");
    case Pruefbefund::Art::Verschoben:
        return QStringLiteral("steht nicht mehr an seiner Stelle (Reihenfolge verändert).");
    case Pruefbefund::Art::EndeFehlt:
        return befund.zeile.isEmpty() ? QStringLiteral("es fehlen Einträge (gelöscht).")
                                      : QStringLiteral("danach fehlt mindestens ein Eintrag (gelöscht).");
    case Pruefbefund::Art::VermerkFehlt:
        return QStringLiteral("die Vermerke der Prüfkette fehlen oder wurden verändert.");
    case Pruefbefund::Art::FolgeLuecke:
        return QStringLiteral("davor fehlen in der Reihenfolge des Speicherns Einträge (gelöscht).");
    case Pruefbefund::Art::StammFehlt:
        return QStringLiteral("nennt %1.").arg(befund.stammeintrag);
    case Pruefbefund::Art::FremdesObjekt:
        return QStringLiteral("nicht von Varno angelegt; es kann beim Speichern Einträge verändern oder das "
                              "Fahrtenbuch vortäuschen.");
    }
    return {};
}

} // namespace

QString kettenname(Kette kette)
{
    switch (kette) {
    case Kette::Fahrtenbuch:
        return QStringLiteral("Fahrtenbuch");
    case Kette::Rohfahrten:
        return QStringLiteral("Rohfahrten");
    case Kette::Protokoll:
        break;
    }
    return QStringLiteral("Protokoll");
}

QString Pruefbefund::text() const
{
    if (art == Art::FremdesObjekt)
        return QStringLiteral("In der Datenbank: %1: %2").arg(zeile, was(*this));
    const QString wo = zeile.isEmpty() ? kettenname(kette) : kettenname(kette) + QStringLiteral(", ") + zeile;
    return wo + QStringLiteral(": ") + was(*this);
}

qint64 Pruefergebnis::eintraege() const
{
    qint64 summe = 0;
    for (const pruefkette::Kopf& kopf : koepfe)
        summe += kopf.anzahl;
    return summe;
}

QString Pruefergebnis::pruefwert() const
{
    if (!unveraendert())
        return QString::fromUtf8(pruefkette::ungueltig);
    return pruefkette::anzeige(pruefkette::gesamtwert(koepfe));
}

QString Pruefergebnis::vermerk() const
{
    if (!unveraendert())
        return QStringLiteral("Prüfwert %1 – Fahrtenbuch verändert").arg(pruefwert());
    return QStringLiteral("Prüfwert %1 – Fahrtenbuch geprüft: unverändert").arg(pruefwert());
}

QSet<qlonglong> Pruefergebnis::betroffeneFahrten() const
{
    QSet<qlonglong> ids;
    for (const Pruefbefund& befund : befunde)
        if (befund.kette == Kette::Fahrtenbuch && befund.id != 0)
            ids.insert(befund.id);
    return ids;
}

QString Pruefergebnis::zustand() const
{
    return unveraendert() ? QStringLiteral("unverändert") : QStringLiteral("verändert");
}

QString Pruefergebnis::bericht() const
{
    QStringList zeilen;
    if (unveraendert()) {
        const auto laenge = [this](Kette kette) { return koepfe[pruefkette::index(kette)].anzahl; };
        zeilen << QStringLiteral("Alle %1 Einträge sind unverändert, seit sie gespeichert wurden "
                                 "(%2, %3, %4).")
                      .arg(eintraege())
                      .arg(anzahl(laenge(Kette::Fahrtenbuch), zaehlwort::fahrtenbucheintrag))
                      .arg(anzahl(laenge(Kette::Rohfahrten), zaehlwort::rohfahrt))
                      .arg(anzahl(laenge(Kette::Protokoll), zaehlwort::protokolleintrag));
    } else {
        zeilen << QStringLiteral("Das Fahrtenbuch wurde verändert. Befunde (%1):").arg(befunde.size());
        for (const Pruefbefund& befund : befunde)
            zeilen << QStringLiteral("- ") + befund.text();
    }
    if (unveraendert())
        zeilen << QStringLiteral("Prüfwert: ") + pruefkette::vollanzeige(pruefkette::gesamtwert(koepfe));
    else
        zeilen << vermerk();
    return zeilen.join(QLatin1Char('\n'));
}
