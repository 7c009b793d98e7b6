#include "evaluation/Fahrtspalte.h"

#include <iterator>

namespace {

constexpr std::size_t listenspalten = Fahrtenliste::Spalten;
static_assert(listenspalten <= std::size(fahrtspalten));

} // namespace

std::span<const Fahrtspalte> Fahrtspalte::liste()
{
    return std::span<const Fahrtspalte>(fahrtspalten).first(listenspalten);
}

std::span<const Fahrtspalte> Fahrtspalte::datei()
{
    return fahrtspalten;
}

QStringList Fahrtspalte::kopf(std::span<const Fahrtspalte> spalten)
{
    QStringList titel;
    for (const Fahrtspalte& spalte : spalten)
        titel << QString::fromUtf8(spalte.titel);
    return titel;
}

std::optional<zeitpunkt::Sekunden> Fahrtspalte::gezeigteZeit(const GelisteteFahrt& fahrt) const
{
    if (Fahrtenliste::ohneZeiten(fahrt))
        return std::nullopt;
    return fahrt.*zeit;
}

const QString& Fahrtspalte::name(const GelisteteFahrt& fahrt, const Stammnamen& alleNamen) const
{
    static const QString unbekannt;
    const QHash<int, QString>& tabelle = alleNamen.*namen;
    const auto gefunden = tabelle.constFind(fahrt.*id);
    return gefunden == tabelle.cend() ? unbekannt : gefunden.value();
}

QString Fahrtspalte::zelle(const GelisteteFahrt& fahrt, const Stammnamen& alleNamen) const
{
    switch (quelle) {
    case Quelle::DatumUndZeit: {
        const auto gezeigt = gezeigteZeit(fahrt);
        return gezeigt ? zeitpunkt::deutschMitZeit(*gezeigt) : QString();
    }
    case Quelle::Uhrzeit: {
        const auto gezeigt = gezeigteZeit(fahrt);
        return gezeigt ? zeitpunkt::uhrzeitMitSekunden(*gezeigt) : QString();
    }
    case Quelle::Name:
        return name(fahrt, alleNamen);
    case Quelle::Zahl:
        return QString::number(zahl(fahrt));
    case Quelle::Zeichen:
        return fahrt.*zeichen ? QStringLiteral("x") : QStringLiteral(" ");
    case Quelle::Zusatz:
    case Quelle::Pruefwert:
        break;
    }
    return {};
}
