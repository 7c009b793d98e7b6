#include "evaluation/BerichtStore.h"

#include "db/Rohabfrage.h"

#include <QHash>
#include <QStringList>
#include <QVariantList>

Bemerkungen BerichtStore::bemerkungen(const Fahrtenliste& liste) const
{
    std::vector<std::size_t> mitBemerkung;
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile)
        if (liste.fahrt(zeile).mitBemerkung)
            mitBemerkung.push_back(zeile);
    Bemerkungen ergebnis(liste.anzahl());
    // Read in slices: one statement per trip would cost a round trip each, and SQLite limits the
    // number of bound values per statement.
    constexpr std::size_t scheibe = 500;
    for (std::size_t anfang = 0; anfang < mitBemerkung.size(); anfang += scheibe) {
        const std::size_t ende = std::min(mitBemerkung.size(), anfang + scheibe);
        QStringList platzhalter;
        QVariantList ids;
        QHash<int, std::size_t> zeileDerFahrt;
        for (std::size_t i = anfang; i < ende; ++i) {
            const int id = liste.fahrt(mitBemerkung[i]).id;
            platzhalter << QStringLiteral("?");
            ids << id;
            zeileDerFahrt.insert(id, mitBemerkung[i]);
        }
        Rohabfrage s(QStringLiteral("SELECT ID, Bemerkung FROM T_MIREL WHERE ID IN (") +
                         platzhalter.join(QLatin1Char(',')) + QLatin1Char(')'),
                     ids);
        while (s.next())
            ergebnis[zeileDerFahrt.value(s.zahl(0))] = s.qtext(1);
    }
    return ergebnis;
}
