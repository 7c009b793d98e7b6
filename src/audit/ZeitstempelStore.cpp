#include "audit/ZeitstempelStore.h"

#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace ZeitstempelStore {

void speichern(const Zeitstempel& zeitstempel)
{
    protokollEintragen(Ereignis::Zeitstempel, zeitstempeleintrag::beschreibung(zeitstempel));
}

std::vector<Eintrag> alle()
{
    SqlStatement s(QStringLiteral("SELECT ID, Zeit, Beschreibung FROM T_Protokoll WHERE Ereignis = ? ORDER BY ID"));
    s.bind(ereignisText(Ereignis::Zeitstempel)).exec();
    std::vector<Eintrag> eintraege;
    while (s.next())
        eintraege.push_back({s.value(QStringLiteral("ID")).toLongLong(),
                             sqldate::fromSql(s.value(QStringLiteral("Zeit"))).value_or(QDateTime()),
                             zeitstempeleintrag::lesen(s.text(QStringLiteral("Beschreibung")))});
    return eintraege;
}

} // namespace ZeitstempelStore
