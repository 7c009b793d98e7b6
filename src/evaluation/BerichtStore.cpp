#include "evaluation/BerichtStore.h"

#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Pruefkette.h"
#include "db/Rohabfrage.h"

#include <QHash>
#include <QStringList>
#include <QVariantList>

using pruefkette::Kette;

namespace {

// Column `spalte` (or a list of columns) of the listed trips in the given rows, each made a value by
// `wert`; the other rows keep the value's default.
template <typename Wert>
std::vector<Wert> spalteDerZeilen(const Fahrtenliste& liste, const std::vector<std::size_t>& zeilen,
                                  const QString& spalte, Wert (*wert)(const Rohabfrage& s))
{
    std::vector<Wert> ergebnis(liste.anzahl());
    // Read in slices: one statement per trip would cost a round trip each, and SQLite limits the
    // number of bound values per statement.
    constexpr std::size_t scheibe = 500;
    for (std::size_t anfang = 0; anfang < zeilen.size(); anfang += scheibe) {
        const std::size_t ende = std::min(zeilen.size(), anfang + scheibe);
        QStringList platzhalter;
        QVariantList ids;
        QHash<int, std::size_t> zeileDerFahrt;
        for (std::size_t i = anfang; i < ende; ++i) {
            const int id = liste.fahrt(zeilen[i]).id;
            platzhalter << QStringLiteral("?");
            ids << id;
            zeileDerFahrt.insert(id, zeilen[i]);
        }
        // The column name is the program's own, never taken from input.
        Rohabfrage s(QStringLiteral("SELECT ID, %1 FROM T_MIREL WHERE ID IN (").arg(spalte) +
                         platzhalter.join(QLatin1Char(',')) + QLatin1Char(')'),
                     ids);
        while (s.next())
            ergebnis[zeileDerFahrt.value(s.zahl(0))] = wert(s);
    }
    return ergebnis;
}

QString bemerkung(const Rohabfrage& s)
{
    return s.qtext(1);
}

QString erfasst(const Rohabfrage& s)
{
    return fahrtfassung::erfasst(s.istNull(1) ? QVariant() : QVariant(s.qtext(1)));
}

QString text(const Rohabfrage& s)
{
    return s.qtext(1);
}

QByteArray bytes(const Rohabfrage& s, int spalte)
{
    qsizetype laenge = 0;
    const char* daten = s.bytes(spalte, laenge);
    return QByteArray(daten, laenge);
}

// Recomputed from the row's content: a row changed after storing shows no value that would vouch
// for it, whatever value it keeps.
Pruefwert pruefwert(const Rohabfrage& s)
{
    const int inhalt = 1;
    const int vorgaenger = inhalt + static_cast<int>(pruefkette::spalten(Kette::Fahrtenbuch).size());
    const int gespeichert = vorgaenger + 1;
    // A row without a value (stored by another tool) shows none.
    if (s.istNull(gespeichert))
        return {};
    if (s.istNull(vorgaenger))
        return Pruefwert::ungueltig();
    pruefkette::Zeile zeile(Kette::Fahrtenbuch);
    zeile.alleAusAbfrage(s, inhalt);
    const QByteArray berechnet = zeile.pruefwert(bytes(s, vorgaenger));
    if (berechnet != bytes(s, gespeichert))
        return Pruefwert::ungueltig();
    return Pruefwert::gueltig(berechnet);
}

std::vector<std::size_t> alleZeilen(const Fahrtenliste& liste)
{
    std::vector<std::size_t> alle(liste.anzahl());
    for (std::size_t zeile = 0; zeile < alle.size(); ++zeile)
        alle[zeile] = zeile;
    return alle;
}

} // namespace

Bemerkungen BerichtStore::bemerkungen(const Fahrtenliste& liste) const
{
    std::vector<std::size_t> mitBemerkung;
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile)
        if (liste.fahrt(zeile).mitBemerkung)
            mitBemerkung.push_back(zeile);
    return spalteDerZeilen(liste, mitBemerkung, QStringLiteral("Bemerkung"), bemerkung);
}

Erfassungen BerichtStore::erfassungen(const Fahrtenliste& liste) const
{
    return spalteDerZeilen(liste, alleZeilen(liste), QStringLiteral("Erfasst"), erfasst);
}

Speichernde BerichtStore::speichernde(const Fahrtenliste& liste) const
{
    return spalteDerZeilen(liste, alleZeilen(liste), QStringLiteral("Benutzer"), text);
}

Pruefwerte BerichtStore::pruefwerte(const Fahrtenliste& liste) const
{
    return spalteDerZeilen(liste, alleZeilen(liste),
                           pruefkette::spaltenliste(Kette::Fahrtenbuch) + QStringLiteral(", Vorgaenger, Pruefwert"),
                           pruefwert);
}

Fahrtenzusatz BerichtStore::fahrtenzusatz(const Fahrtenliste& liste) const
{
    return {bemerkungen(liste), erfassungen(liste), speichernde(liste), pruefwerte(liste)};
}
