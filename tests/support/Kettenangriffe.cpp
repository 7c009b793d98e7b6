#include "support/Kettenangriffe.h"

#include "common/Clock.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"

namespace kettenangriff {

void letzteFahrtWegnehmen()
{
    Transaction transaktion;
    SqlStatement("UPDATE T_Pruefkette SET Anzahl = Anzahl - 1, Kopf = (SELECT Vorgaenger FROM T_MIREL WHERE ID = "
                 "(SELECT MAX(ID) FROM T_MIREL)) WHERE Kette = 'T_MIREL'")
        .exec();
    SqlStatement("DELETE FROM T_MIREL WHERE ID = (SELECT MAX(ID) FROM T_MIREL)").exec();
    transaktion.commit();
}

void ketteNeuBerechnen()
{
    Transaction transaktion;
    SqlStatement("UPDATE T_MIREL SET km_an = km_an - 10, Laufnr = NULL, Vorgaenger = NULL, Pruefwert = NULL").exec();
    SqlStatement("UPDATE T_basis SET Laufnr = NULL, Vorgaenger = NULL, Pruefwert = NULL").exec();
    SqlStatement("UPDATE T_Protokoll SET Laufnr = NULL, Vorgaenger = NULL, Pruefwert = NULL").exec();
    SqlStatement("DELETE FROM T_Pruefkette").exec();
    Kettenanhang kette(Clock::now());
    for (pruefkette::Kette k : pruefkette::alleKetten)
        kette.aufnehmen(k);
    kette.kopfSchreiben();
    transaktion.commit();
}

} // namespace kettenangriff
