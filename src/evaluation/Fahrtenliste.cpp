#include "evaluation/Fahrtenliste.h"

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

Fahrtenliste::Fahrtenliste(std::vector<GelisteteFahrt> fahrten, Stammnamen namen)
    : fahrten_(std::move(fahrten)), namen_(std::move(namen))
{
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

qint64 Fahrtenliste::kilometer() const
{
    qint64 summe = 0;
    for (const GelisteteFahrt& f : fahrten_)
        summe += f.kmAn - f.kmAb;
    return summe;
}

KilometerJeArt Fahrtenliste::kilometerJeArt() const
{
    KilometerJeArt summen;
    for (const GelisteteFahrt& f : fahrten_) {
        const QString kuerzel = namen_.artKuerzel.value(f.art);
        const qint64 km = f.kmAn - f.kmAb;
        if (kuerzel.startsWith(QLatin1Char('U')))
            summen.unzugeordnet += km;
        else if (kuerzel.startsWith(QLatin1Char('P')))
            summen.privat += km;
        else if (kuerzel.startsWith(QLatin1Char('A')))
            summen.arbeitsweg += km;
        else if (kuerzel.startsWith(QLatin1Char('G')))
            summen.geschaeftlich += km;
    }
    return summen;
}
