#include "db/Pruefwertvermerk.h"

#include "db/Kettenanhang.h"

namespace pruefwertvermerk {

QString aktuellerPruefwert()
{
    const auto vermerkt = vermerkteKoepfe();
    pruefkette::Koepfe koepfe;
    for (std::size_t i = 0; i < koepfe.size(); ++i)
        koepfe[i] = vermerkt[i].value_or(pruefkette::Kopf{});
    return pruefkette::anzeige(pruefkette::gesamtwert(koepfe));
}

} // namespace pruefwertvermerk
