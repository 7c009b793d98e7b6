#include "audit/Nachbarpruefung.h"

#include "common/GermanFormat.h"

namespace nachbarpruefung {

namespace {

QString zeitpunkt(const QDateTime& zeit)
{
    return german::date(zeit.date()) + QLatin1Char(' ') + german::time(zeit.time());
}

QDateTime ende(const Lage& lage)
{
    return lage.anDat.isValid() ? lage.anDat : lage.abDat;
}

std::optional<QString> mitDerFahrtDavor(const Lage& neu, const Lage& davor)
{
    if (neu.abDat < ende(davor))
        return QStringLiteral("sie beginnt vor der Ankunft der Fahrt davor (%1).").arg(zeitpunkt(ende(davor)));
    if (neu.kmAb < davor.kmAn)
        return QStringLiteral(
                   "ihr km-Stand bei Abfahrt (%1) liegt unter dem km-Stand bei Ankunft der Fahrt davor (%2).")
            .arg(neu.kmAb)
            .arg(davor.kmAn);
    return std::nullopt;
}

std::optional<QString> mitDerFolgendenFahrt(const Lage& neu, const Lage& danach)
{
    if (ende(neu) > danach.abDat)
        return QStringLiteral("sie endet nach der Abfahrt der folgenden Fahrt (%1).").arg(zeitpunkt(danach.abDat));
    if (neu.kmAn > danach.kmAn)
        return QStringLiteral("ihr km-Stand bei Ankunft (%1) liegt über dem km-Stand bei Ankunft der folgenden "
                              "Fahrt (%2).")
            .arg(neu.kmAn)
            .arg(danach.kmAn);
    return std::nullopt;
}

// The following trip began where the old version ended, or it would now begin below the new end.
bool folgefahrtMussFolgen(const std::optional<Lage>& alt, const Lage& neu, const Lage& danach)
{
    if (neu.kmAn == danach.kmAb)
        return false;
    return (alt && danach.kmAb == alt->kmAn) || danach.kmAb < neu.kmAn;
}

Befund zwischenDenNachbarn(const std::optional<Lage>& alt, const Lage& neu, const Nachbarn& nachbarn)
{
    if (nachbarn.davor)
        if (auto ablehnung = mitDerFahrtDavor(neu, *nachbarn.davor))
            return {ablehnung, std::nullopt};
    if (!nachbarn.danach)
        return {};
    if (auto ablehnung = mitDerFolgendenFahrt(neu, *nachbarn.danach))
        return {ablehnung, std::nullopt};
    if (!folgefahrtMussFolgen(alt, neu, *nachbarn.danach))
        return {};
    Lage folgefahrt = *nachbarn.danach;
    folgefahrt.kmAb = neu.kmAn;
    return {std::nullopt, folgefahrt};
}

} // namespace

Befund pruefen(const Lage& alt, const Lage& neu, const Nachbarn& nachbarn)
{
    // A version whose times and readings stay as they were keeps its place, even in a logbook that
    // was out of order before.
    if (alt == neu)
        return {};
    return zwischenDenNachbarn(alt, neu, nachbarn);
}

Befund einordnen(const Lage& neu, const Nachbarn& nachbarn)
{
    return zwischenDenNachbarn(std::nullopt, neu, nachbarn);
}

QString fahrtVom(const QDateTime& abfahrt)
{
    return QStringLiteral("Fahrt vom %1").arg(zeitpunkt(abfahrt));
}

QString folgefahrtFrage(const Lage& folgefahrt, int bisherigerKmAb, const std::optional<QString>& eigenerGrund)
{
    const QString grund =
        eigenerGrund ? QStringLiteral("mit dem Grund „%1“").arg(*eigenerGrund) : QStringLiteral("mit demselben Grund");
    return QStringLiteral("Die folgende %1 beginnt bei km %2. Soll ihr km-Stand bei Abfahrt auf %3 berichtigt "
                          "werden? Sie wird %4 korrigiert; ohne sie wird nichts gespeichert.")
        .arg(fahrtVom(folgefahrt.abDat))
        .arg(bisherigerKmAb)
        .arg(folgefahrt.kmAb)
        .arg(grund);
}

} // namespace nachbarpruefung
