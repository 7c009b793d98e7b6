#include "logbuch/Fahrzeuganlage.h"

#include "db/SqlDate.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/kette/Kettenanhang.h"

namespace fahrzeuganlage {

std::optional<int> anlegen(const NeuesFahrzeug& fahrzeug)
{
    Kettentransaktion transaktion;
    FahrzeugStore::sperren();
    if (FahrzeugStore::kennzeichenVergeben(fahrzeug.kennzeichen))
        return std::nullopt;
    const int id = FahrzeugStore::einfuegen(fahrzeug);
    transaktion.protokollieren(Ereignis::StammeintragAngelegt,
                               angelegt(QStringLiteral("Fahrzeug"), fahrzeug.kennzeichen, id));
    const QString start = sqldate::toSql(fahrzeug.start);
    transaktion.anhaengen(
        Fahrtenbucheintrag{.kfz = id, .abDat = start, .anDat = start, .kmAn = fahrzeug.anfkm, .art = 99, .zweck = 1});
    transaktion.commit();
    return id;
}

} // namespace fahrzeuganlage
