#include "audit/Korrektur.h"

#include "common/GermanFormat.h"

namespace korrektur {

namespace {

QString zeit(const QDateTime& zeitpunkt)
{
    return zeitpunkt.isValid() ? german::date(zeitpunkt.date()) + QLatin1Char(' ') + german::time(zeitpunkt.time())
                               : QString();
}

std::optional<QString> ohneGrund(const QString& grund, const QString& meldung)
{
    if (grund.trimmed().isEmpty())
        return meldung;
    return std::nullopt;
}

} // namespace

QStringList ueblicheGruende()
{
    return {QStringLiteral("Tippfehler"), QStringLiteral("doppelt erfasst"), QStringLiteral("falsches Fahrzeug"),
            QStringLiteral("falsche Fahrtart")};
}

std::optional<QString> ohneGrundKorrigiert(const QString& grund)
{
    return ohneGrund(grund, QStringLiteral("Bitte geben Sie den Grund der Korrektur an."));
}

std::optional<QString> ohneGrundStorniert(const QString& grund)
{
    return ohneGrund(grund, QStringLiteral("Bitte geben Sie den Grund der Stornierung an."));
}

std::optional<QString> unveraendert(const Korrektur& korrektur)
{
    if (aenderungen(korrektur).isEmpty())
        return QStringLiteral("Die Fahrt ist unverändert; es gibt nichts zu korrigieren.");
    return std::nullopt;
}

QStringList aenderungen(const Korrektur& k)
{
    const std::pair<QString, std::pair<QString, QString>> felder[] = {
        {QStringLiteral("Abfahrt"), {zeit(k.alt.abDat), zeit(k.neu.abDat)}},
        {QStringLiteral("Ankunft"), {zeit(k.alt.anDat), zeit(k.neu.anDat)}},
        {QStringLiteral("von"), {k.alt.von, k.neu.von}},
        {QStringLiteral("nach"), {k.alt.nach, k.neu.nach}},
        {QStringLiteral("km-Abfahrt"), {QString::number(k.alt.kmAb), QString::number(k.neu.kmAb)}},
        {QStringLiteral("km-Ankunft"), {QString::number(k.alt.kmAn), QString::number(k.neu.kmAn)}},
        {QStringLiteral("Fahrzeug"), {k.alt.fahrzeug, k.neu.fahrzeug}},
        {QStringLiteral("Fahrer"), {k.alt.fahrer, k.neu.fahrer}},
        {QStringLiteral("Zweck"), {k.alt.zweck, k.neu.zweck}},
        {QStringLiteral("Kategorie"), {k.alt.kategorie, k.neu.kategorie}},
        {QStringLiteral("Art"), {k.alt.art, k.neu.art}},
        {QStringLiteral("Bemerkung"), {k.alt.bemerkung, k.neu.bemerkung}},
    };
    QStringList texte;
    for (const auto& [name, werte] : felder)
        if (werte.first != werte.second)
            texte << QStringLiteral("%1: %2 → %3").arg(name, werte.first, werte.second);
    return texte;
}

QString fahrt(const Fassung& fassung)
{
    return QStringLiteral("Fahrt vom %1, %2").arg(zeit(fassung.abDat), fassung.fahrzeug);
}

QString umgesetzteFahrt(const Fassung& alt, const QString& zielfahrzeug)
{
    return QStringLiteral("%1 unter %2").arg(fahrt(alt), zielfahrzeug);
}

QString nachgetrageneFahrt(const QDateTime& abfahrt, const QString& fahrzeug)
{
    return QStringLiteral("Nachgetragene Fahrt vom %1, %2").arg(zeit(abfahrt), fahrzeug);
}

QString nachtragsgrund(const QDateTime& abfahrt)
{
    return QStringLiteral("Fahrt vom %1 nachgetragen").arg(zeit(abfahrt));
}

QString protokolltext(const Korrektur& k)
{
    if (k.neu.storniert)
        return QStringLiteral("%1 storniert. Grund: %2").arg(fahrt(k.alt), k.neu.grund);
    return QStringLiteral("%1 korrigiert: %2. Grund: %3")
        .arg(fahrt(k.alt), aenderungen(k).join(QStringLiteral("; ")), k.neu.grund);
}

QString umsetzungstext(const Fassung& alt, const Fassung& neu, const QString& grund)
{
    return QStringLiteral("%1 storniert und unter %2 neu gespeichert. Grund: %3").arg(fahrt(alt), neu.fahrzeug, grund);
}

} // namespace korrektur
