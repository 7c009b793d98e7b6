#include "entry/Stammdaten.h"

#include "db/Namensordnung.h"

const Stammeintrag* Stammliste::finde(std::optional<int> id) const
{
    if (!id)
        return nullptr;
    for (const Stammeintrag& eintrag : eintraege_)
        if (eintrag.id == *id)
            return &eintrag;
    return nullptr;
}

QString Stammliste::name(std::optional<int> id) const
{
    const Stammeintrag* eintrag = finde(id);
    return eintrag ? eintrag->bezeichnung : QString();
}

QString Stammliste::abkuerzung(std::optional<int> id) const
{
    const Stammeintrag* eintrag = finde(id);
    return eintrag ? eintrag->abkuerzung : QString();
}

std::optional<int> Stammliste::idVonName(const QString& name) const
{
    for (const Stammeintrag& eintrag : eintraege_)
        if (namensordnung::gleich(eintrag.bezeichnung, name))
            return eintrag.id;
    return std::nullopt;
}

std::optional<int> Stammliste::idVonAbkuerzung(const QString& abkuerzung) const
{
    for (const Stammeintrag& eintrag : eintraege_)
        if (eintrag.abkuerzung == abkuerzung)
            return eintrag.id;
    return std::nullopt;
}

QStringList Stammliste::namen() const
{
    QStringList ergebnis;
    for (const Stammeintrag& eintrag : eintraege_)
        ergebnis << eintrag.bezeichnung;
    return ergebnis;
}
