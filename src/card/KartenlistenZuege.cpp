#include "card/KartenlistenZuege.h"

namespace kartenliste {

namespace {
bool gueltig(const QStringList& eintraege, int zeile)
{
    return zeile >= 0 && zeile < eintraege.size();
}
} // namespace

std::optional<int> uebernehmen(QStringList& eintraege, int zeile, const QString& name)
{
    if (!gueltig(eintraege, zeile))
        return std::nullopt;
    eintraege[zeile] = name;
    return zeile;
}

std::optional<int> hoeher(QStringList& eintraege, int zeile)
{
    if (!gueltig(eintraege, zeile) || zeile == 0)
        return std::nullopt;
    eintraege.swapItemsAt(zeile, zeile - 1);
    return zeile - 1;
}

std::optional<int> tiefer(QStringList& eintraege, int zeile)
{
    if (!gueltig(eintraege, zeile) || zeile == eintraege.size() - 1)
        return std::nullopt;
    eintraege.swapItemsAt(zeile, zeile + 1);
    return zeile + 1;
}

std::optional<int> loeschen(QStringList& eintraege, int zeile)
{
    if (!gueltig(eintraege, zeile))
        return std::nullopt;
    eintraege.removeAt(zeile);
    eintraege.append(QString());
    return zeile;
}

} // namespace kartenliste
