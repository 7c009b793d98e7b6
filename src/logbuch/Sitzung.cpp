#include "logbuch/Sitzung.h"

#include "logbuch/FahrzeugStore.h"

void Sitzung::fahrzeugeLaden()
{
    fahrzeuge_ = FahrzeugStore::offeneFahrzeuge();
}

const KFZEintrag* Sitzung::fahrzeug(int id) const
{
    for (const KFZEintrag& eintrag : fahrzeuge_)
        if (eintrag.ID == id)
            return &eintrag;
    return nullptr;
}

void Sitzung::setAktuellesFahrzeug(int id)
{
    if (fahrtenerfassung_ || id == aktuellesFahrzeug_)
        return;
    aktuellesFahrzeug_ = id;
    emit aktuellesFahrzeugGeaendert(id);
}
