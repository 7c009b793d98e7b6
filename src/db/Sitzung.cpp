#include "db/Sitzung.h"

#include "db/TDataBase.h"

void Sitzung::fahrzeugeLaden()
{
    TDataBase db;
    db.ListenOeffnen();
    fahrzeuge_.resize(static_cast<std::size_t>(db.KFZAnzahl()));
    db.KFZLesen(fahrzeuge_);
    db.ListenSchliessen();
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
