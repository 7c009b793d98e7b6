#include "evaluation/BerichtStore.h"

#include "evaluation/Rohabfrage.h"

QHash<int, QString> BerichtStore::bemerkungen(const Fahrtenliste& liste) const
{
    std::vector<int> fahrtIds;
    for (const GelisteteFahrt& fahrt : liste.fahrten())
        if (fahrt.mitBemerkung)
            fahrtIds.push_back(fahrt.id);
    QHash<int, QString> result;
    result.reserve(static_cast<qsizetype>(fahrtIds.size()));
    // Read in slices: one statement per trip would cost a round trip each, and SQLite limits the
    // number of bound values per statement.
    constexpr std::size_t scheibe = 500;
    for (std::size_t anfang = 0; anfang < fahrtIds.size(); anfang += scheibe) {
        const std::size_t ende = std::min(fahrtIds.size(), anfang + scheibe);
        QStringList platzhalter;
        QVariantList ids;
        for (std::size_t i = anfang; i < ende; ++i) {
            platzhalter << QStringLiteral("?");
            ids << fahrtIds[i];
        }
        Rohabfrage s(QStringLiteral("SELECT ID, Bemerkung FROM T_MIREL WHERE ID IN (") +
                         platzhalter.join(QLatin1Char(',')) + QLatin1Char(')'),
                     ids);
        while (s.next())
            result.insert(s.zahl(0), s.qtext(1));
    }
    return result;
}
