#include "evaluation/Fahrtenliste.h"

#include "evaluation/Fahrtspalte.h"

#include <algorithm>
#include <tuple>

const QStringList& Fahrtenliste::kopf()
{
    static const QStringList texte = Fahrtspalte::kopf(Fahrtspalte::liste());
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
    const GelisteteFahrt& fahrt = fahrten_.at(zeile);
    const auto spalten = Fahrtspalte::liste();
    if (spalte < 0 || static_cast<std::size_t>(spalte) >= spalten.size())
        return {};
    return spalten[static_cast<std::size_t>(spalte)].zelle(fahrt, namen_);
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
