#include "evaluation/Fahrtenliste.h"

#include <algorithm>
#include <tuple>

const QStringList& Fahrtenliste::kopf()
{
    static const QStringList texte = {QStringLiteral("Abfahrt"),   QStringLiteral("Ankunft"), QStringLiteral("von"),
                                      QStringLiteral("nach"),      QStringLiteral("KM-Abf."), QStringLiteral("KM-Ank."),
                                      QStringLiteral("Fahrzeug"),  QStringLiteral("Fahrer"),  QStringLiteral("Zweck"),
                                      QStringLiteral("Kategorie"), QStringLiteral("Art"),     QStringLiteral("Bem")};
    return texte;
}

bool Fahrtenliste::ohneZeiten(const GelisteteFahrt& fahrt)
{
    static const qint64 ohneZeitTag = zeitpunkt::tag(zeitpunkt::aus(QDate(2002, 1, 1)));
    return !fahrt.abfahrt || !fahrt.ankunft || zeitpunkt::tag(*fahrt.ankunft) == ohneZeitTag;
}

Fahrtenliste::Fahrtenliste(std::vector<GelisteteFahrt> fahrten, Stammnamen namen, QHash<int, Ersetzung> ersetzungen)
    : fahrten_(std::move(fahrten)), namen_(std::move(namen)), ersetzungen_(std::move(ersetzungen))
{
    for (const GelisteteFahrt& f : fahrten_)
        zaehlen(f);
}

void Fahrtenliste::anhaengen(const std::vector<GelisteteFahrt>& fahrten, const Stammnamen& namen)
{
    namen_ = namen;
    fahrten_.insert(fahrten_.end(), fahrten.begin(), fahrten.end());
    for (const GelisteteFahrt& f : fahrten)
        zaehlen(f);
}

void Fahrtenliste::zaehlen(const GelisteteFahrt& fahrt)
{
    if (!ersetzungen_.isEmpty() && ersetzungen_.contains(fahrt.id))
        return;
    ++anzahlAktuell_;
    kilometer_ += fahrt.kmAn - fahrt.kmAb;
}

namespace {

bool frueher(const GelisteteFahrt& a, const GelisteteFahrt& b)
{
    return std::tie(a.abfahrt, a.id) < std::tie(b.abfahrt, b.id);
}

} // namespace

bool Fahrtenliste::geordnet() const
{
    return std::is_sorted(fahrten_.begin(), fahrten_.end(), frueher);
}

void Fahrtenliste::ordnen()
{
    // Trips are mostly stored in the order they were made, and come in departure order by index.
    if (!geordnet())
        std::sort(fahrten_.begin(), fahrten_.end(), frueher);
}

const Ersetzung* Fahrtenliste::ersetzung(std::size_t zeile) const
{
    const auto gefunden = ersetzungen_.constFind(fahrten_.at(zeile).id);
    return gefunden == ersetzungen_.cend() ? nullptr : &gefunden.value();
}

QString Fahrtenliste::zelle(std::size_t zeile, int spalte) const
{
    const GelisteteFahrt& f = fahrten_.at(zeile);
    switch (spalte) {
    case Abfahrt:
        return ohneZeiten(f) ? QString() : zeitpunkt::deutschMitZeit(*f.abfahrt);
    case Ankunft:
        return ohneZeiten(f) ? QString() : zeitpunkt::uhrzeitMitSekunden(*f.ankunft);
    case Von:
        return namen_.orte.value(f.start);
    case Nach:
        return namen_.orte.value(f.ziel);
    case KmAbf:
        return QString::number(f.kmAb);
    case KmAnk:
        return QString::number(f.kmAn);
    case Fahrzeug:
        return namen_.fahrzeuge.value(f.fahrzeug);
    case Fahrer:
        return namen_.fahrer.value(f.fahrer);
    case Zweck:
        return namen_.zwecke.value(f.zweck);
    case Kategorie:
        return namen_.kategorien.value(f.kategorie);
    case Art:
        return namen_.artKuerzel.value(f.art);
    case Bem:
        return f.mitBemerkung ? QStringLiteral("x") : QStringLiteral(" ");
    default:
        return {};
    }
}

KilometerJeArt Fahrtenliste::kilometerJeArt() const
{
    KilometerJeArt summen;
    for (const GelisteteFahrt& f : fahrten_) {
        if (ersetzungen_.contains(f.id))
            continue;
        summen.hinzufuegen(namen_.artKuerzel.value(f.art), f.kmAn - f.kmAb);
    }
    return summen;
}
