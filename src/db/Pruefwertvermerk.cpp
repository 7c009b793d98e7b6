#include "db/Pruefwertvermerk.h"

#include "common/Clock.h"
#include "db/Kettenanhang.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace pruefwertvermerk {

QString aktuellerPruefwert()
{
    const auto vermerkt = vermerkteKoepfe();
    pruefkette::Koepfe koepfe;
    for (std::size_t i = 0; i < koepfe.size(); ++i)
        koepfe[i] = vermerkt[i].value_or(pruefkette::Kopf{});
    return pruefkette::anzeige(pruefkette::gesamtwert(koepfe));
}

void vermerken(const QString& anlass)
{
    SqlStatement(QStringLiteral("INSERT INTO T_Pruefwertvermerk (Zeit, Anlass, Pruefwert) VALUES (?, ?, ?)"))
        .bind(sqldate::toSql(Clock::now()))
        .bind(anlass)
        .bind(aktuellerPruefwert())
        .exec();
}

} // namespace pruefwertvermerk
