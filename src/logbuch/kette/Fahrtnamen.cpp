#include "logbuch/kette/Fahrtnamen.h"

#include "db/Rohabfrage.h"
#include "logbuch/kette/Kettenanhang.h"

#include <array>

namespace fahrtnamen {

namespace {

struct Quelle {
    const char* tabelle;     // the master table
    const char* name;        // its column with the name
    const char* verweis;     // the logbook row's column that names the master row
    const char* gespeichert; // the logbook row's column that keeps the name
    const char* wort;        // the master row in words, for the placeholder
};

// In the order of Feld and of the name columns.
constexpr std::array<Quelle, anzahl> quellen = {{
    {"T_ORTE", "Bezeichnung", "Start", "StartName", "Ort"},
    {"T_ORTE", "Bezeichnung", "Ziel", "ZielName", "Ort"},
    {"T_ART", "Bezeichnung", "Art", "ArtName", "Fahrtart"},
    {"T_ART", "Abkuerzung", "Art", "ArtKurz", "Fahrtart"},
    {"T_ZWECK", "Bezeichnung", "Zweck", "ZweckName", "Zweck"},
    {"T_Kategorie", "Bezeichnung", "Kategorie", "KategorieName", "Kategorie"},
    {"T_Fahrer", "Bezeichnung", "Fahrer", "FahrerName", "Fahrer"},
    {"T_KFZ", "KZuFzg", "KFZ", "Kennzeichen", "Fahrzeug"},
}};

const Quelle& quelle(Feld feld)
{
    return quellen[static_cast<std::size_t>(feld)];
}

QVariant verweis(const Fahrtenbucheintrag& e, Feld feld)
{
    switch (feld) {
    case Feld::Start:
        return e.start;
    case Feld::Ziel:
        return e.ziel;
    case Feld::ArtName:
    case Feld::ArtKurz:
        return e.art;
    case Feld::Zweck:
        return e.zweck;
    case Feld::Kategorie:
        return e.kategorie;
    case Feld::Fahrer:
        return e.fahrer;
    case Feld::Kennzeichen:
        break;
    }
    return e.kfz;
}

QString lesenAnweisung()
{
    QStringList teile;
    for (const Quelle& q : quellen)
        teile
            << QStringLiteral("(SELECT %1 FROM %2 WHERE ID = ?)").arg(QLatin1String(q.name), QLatin1String(q.tabelle));
    return QStringLiteral("SELECT ") + teile.join(QStringLiteral(", "));
}

} // namespace

QVariantList lesen(const Fahrtenbucheintrag& eintrag)
{
    // Read for every trip stored: straight from the engine, without a QVariant per cell.
    static const QString anweisung = lesenAnweisung();
    QVariantList verweise;
    for (std::size_t i = 0; i < quellen.size(); ++i)
        verweise << pruefkette::gespeichert(verweis(eintrag, static_cast<Feld>(i)), pruefkette::Art::Zahl);
    Rohabfrage s(anweisung, verweise);
    QVariantList namen;
    s.next();
    for (int i = 0; i < anzahl; ++i)
        namen << (s.istNull(i) ? QVariant() : QVariant(s.qtext(i)));
    return namen;
}

QString verbindung(Feld feld, const QString& alias)
{
    const Quelle& q = quelle(feld);
    return QStringLiteral(" LEFT JOIN %1 %2 ON %2.ID = m.%3")
        .arg(QLatin1String(q.tabelle), alias, QLatin1String(q.verweis));
}

QString ausdruck(Feld feld, const QString& alias)
{
    // The placeholder is NULL, too, when the row names no master row at all.
    const Quelle& q = quelle(feld);
    return QStringLiteral("COALESCE(m.%1, %2.%3, '(fehlt: %4 ' || CAST(m.%5 AS TEXT) || ')')")
        .arg(QLatin1String(q.gespeichert), alias, QLatin1String(q.name), QLatin1String(q.wort),
             QLatin1String(q.verweis));
}

QString platzhalter(Feld feld, qint64 id)
{
    return QStringLiteral("(fehlt: %1)").arg(stammeintrag(feld, id));
}

QString tabelle(Feld feld)
{
    return QLatin1String(quelle(feld).tabelle);
}

QString verweisspalte(Feld feld)
{
    return QLatin1String(quelle(feld).verweis);
}

QString stammeintrag(Feld feld, qint64 id)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(quelle(feld).wort)).arg(id);
}

} // namespace fahrtnamen
