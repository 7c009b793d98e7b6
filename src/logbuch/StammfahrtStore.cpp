#include "logbuch/StammfahrtStore.h"

#include "db/Namensordnung.h"
#include "db/SqlStatement.h"

namespace {

Stammfahrt lesen(const SqlStatement& s)
{
    return {s.intValue("Von"), s.intValue("Nach"), s.intValue("KM"), s.intValue("Zweck"), s.intValue("Kategorie"),
            s.intValue("Art")};
}

} // namespace

namespace StammfahrtStore {

bool vorhanden(const Stammfahrt& f)
{
    return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_STAMMFAHRTEN WHERE Von = ? AND Nach = ? AND KM = ? "
                                   "AND Zweck = ? AND Kategorie = ? AND Art = ?",
                                   {f.von, f.nach, f.km, f.zweck, f.kategorie, f.art}) > 0;
}

std::vector<Stammfahrt> abOrt(std::optional<int> von)
{
    std::vector<Stammfahrt> fahrten;
    SqlStatement s(QStringLiteral("SELECT s.Von, s.Nach, s.KM, s.Zweck, s.Kategorie, s.Art FROM T_STAMMFAHRTEN s "
                                  "JOIN T_ORTE o ON s.Von = o.ID WHERE CAST(? AS INTEGER) IS NULL OR s.Von = ? "
                                  "ORDER BY %1")
                       .arg(namensordnung::spalte(u"o.Bezeichnung")));
    const QVariant ort = von ? QVariant(*von) : QVariant();
    s.bind(ort).bind(ort).exec();
    while (s.next())
        fahrten.push_back(lesen(s));
    return fahrten;
}

std::optional<Stammfahrt> suchen(int von, int nach, int zweck, int art)
{
    SqlStatement s("SELECT Von, Nach, KM, Zweck, Kategorie, Art FROM T_STAMMFAHRTEN "
                   "WHERE Von = ? AND Nach = ? AND Zweck = ? AND Art = ? ORDER BY rowid LIMIT 1");
    s.bind(von).bind(nach).bind(zweck).bind(art).exec();
    if (!s.next())
        return std::nullopt;
    return lesen(s);
}

bool anlegen(const Stammfahrt& f)
{
    if (vorhanden(f))
        return false;
    SqlStatement("INSERT INTO T_STAMMFAHRTEN (Von, Nach, KM, Zweck, Kategorie, Art) VALUES (?, ?, ?, ?, ?, ?)")
        .bind(f.von).bind(f.nach).bind(f.km).bind(f.zweck).bind(f.kategorie).bind(f.art)
        .exec();
    return true;
}

} // namespace StammfahrtStore
