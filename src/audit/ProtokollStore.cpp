#include "audit/ProtokollStore.h"

#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace ProtokollStore {

std::vector<Protokollzeile> alle()
{
    SqlStatement s(QStringLiteral("SELECT Zeit, Ereignis, Beschreibung, Benutzer FROM T_Protokoll ORDER BY ID"));
    s.exec();
    std::vector<Protokollzeile> zeilen;
    while (s.next())
        zeilen.push_back({sqldate::germanDateTime(s.value(QStringLiteral("Zeit"))), s.text(QStringLiteral("Ereignis")),
                          s.text(QStringLiteral("Beschreibung")), s.text(QStringLiteral("Benutzer"))});
    return zeilen;
}

} // namespace ProtokollStore
