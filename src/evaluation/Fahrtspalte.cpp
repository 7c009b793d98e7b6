#include "evaluation/Fahrtspalte.h"

#include <iterator>

namespace {

using Quelle = Fahrtspalte::Quelle;

constexpr Fahrtspalte spalten[] = {
    {.titel = "Abfahrt", .quelle = Quelle::DatumUndZeit, .zeit = &GelisteteFahrt::abfahrt},
    {.titel = "Ankunft", .quelle = Quelle::Uhrzeit, .zeit = &GelisteteFahrt::ankunft},
    {.titel = "von", .quelle = Quelle::Name, .id = &GelisteteFahrt::start, .namen = &Stammnamen::orte},
    {.titel = "nach", .quelle = Quelle::Name, .id = &GelisteteFahrt::ziel, .namen = &Stammnamen::orte},
    {.titel = "KM-Abf.", .quelle = Quelle::Zahl, .zahl = [](const GelisteteFahrt& f) -> qint64 { return f.kmAb; }},
    {.titel = "KM-Ank.", .quelle = Quelle::Zahl, .zahl = [](const GelisteteFahrt& f) -> qint64 { return f.kmAn; }},
    {.titel = "Fahrzeug", .quelle = Quelle::Name, .id = &GelisteteFahrt::fahrzeug, .namen = &Stammnamen::fahrzeuge},
    {.titel = "Fahrer", .quelle = Quelle::Name, .id = &GelisteteFahrt::fahrer, .namen = &Stammnamen::fahrer},
    {.titel = "Zweck", .quelle = Quelle::Name, .id = &GelisteteFahrt::zweck, .namen = &Stammnamen::zwecke},
    {.titel = "Kategorie", .quelle = Quelle::Name, .id = &GelisteteFahrt::kategorie, .namen = &Stammnamen::kategorien},
    {.titel = "Art", .quelle = Quelle::Name, .id = &GelisteteFahrt::art, .namen = &Stammnamen::artKuerzel},
    {.titel = "Bem", .quelle = Quelle::Zeichen, .zeichen = &GelisteteFahrt::mitBemerkung},
    // Only in the file:
    {.titel = "Fahrtart", .quelle = Quelle::Name, .id = &GelisteteFahrt::art, .namen = &Stammnamen::artNamen},
    {.titel = "Kilometer",
     .quelle = Quelle::Zahl,
     .zahl = [](const GelisteteFahrt& f) { return qint64(f.kmAn) - f.kmAb; }},
    {.titel = "Erfasst", .quelle = Quelle::Zusatz, .zusatz = &Fahrtenzusatz::erfassungen},
    {.titel = "Gespeichert von", .quelle = Quelle::Zusatz, .zusatz = &Fahrtenzusatz::speichernde},
    {.titel = "Bemerkung", .quelle = Quelle::Zusatz, .zusatz = &Fahrtenzusatz::bemerkungen},
    {.titel = "Prüfwert", .quelle = Quelle::Zusatz, .zusatz = &Fahrtenzusatz::pruefwerte},
};

constexpr std::size_t listenspalten = Fahrtenliste::Spalten;
static_assert(listenspalten <= std::size(spalten));

} // namespace

std::span<const Fahrtspalte> Fahrtspalte::liste()
{
    return std::span<const Fahrtspalte>(spalten).first(listenspalten);
}

std::span<const Fahrtspalte> Fahrtspalte::datei()
{
    return spalten;
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
        break;
    }
    return {};
}
