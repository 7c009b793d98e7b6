#include "entry/EingabeStore.h"

#include "db/FahrzeugStore.h"
#include "db/Namensordnung.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace {

QString tabellenname(Stammtabelle tabelle)
{
    switch (tabelle) {
    case Stammtabelle::Orte:
        return QStringLiteral("T_ORTE");
    case Stammtabelle::Zwecke:
        return QStringLiteral("T_ZWECK");
    case Stammtabelle::Kategorien:
        return QStringLiteral("T_Kategorie");
    case Stammtabelle::Fahrer:
        return QStringLiteral("T_Fahrer");
    }
    return {};
}

Stammliste liste(const QString& sql, bool mitAbkuerzung = false)
{
    std::vector<Stammeintrag> eintraege;
    SqlStatement s(sql);
    s.exec();
    while (s.next())
        eintraege.push_back({s.intValue("ID"), s.text("Bezeichnung"),
                             mitAbkuerzung ? s.text("Abkuerzung") : QString()});
    return Stammliste(std::move(eintraege));
}

std::optional<int> optionaleId(const SqlStatement& s, const QString& spalte)
{
    return s.isNull(spalte) ? std::nullopt : std::optional<int>(s.intValue(spalte));
}

QVariant zeitOderNull(const QDateTime& zeit)
{
    return zeit.isValid() ? QVariant(sqldate::toSql(zeit)) : QVariant();
}

bool stammfahrtVorhanden(const Stammfahrt& f)
{
    return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_STAMMFAHRTEN WHERE Von = ? AND Nach = ? AND KM = ? "
                                   "AND Zweck = ? AND Kategorie = ? AND Art = ?",
                                   {f.von, f.nach, f.km, f.zweck, f.kategorie, f.art}) > 0;
}

Stammfahrt stammfahrtLesen(const SqlStatement& s)
{
    return {s.intValue("Von"), s.intValue("Nach"), s.intValue("KM"), s.intValue("Zweck"), s.intValue("Kategorie"),
            s.intValue("Art")};
}

} // namespace

namespace EingabeStore {

int eingabeart(int kfz)
{
    return SqlStatement::scalarInt("SELECT Eingabeart FROM T_KFZ WHERE ID = ?", {kfz});
}

QString kennzeichen(int kfz)
{
    SqlStatement s("SELECT KZuFzg FROM T_KFZ WHERE ID = ?");
    s.bind(kfz).exec();
    return s.next() ? s.text("KZuFzg") : QString();
}

Stammdaten stammdaten()
{
    const QString nachName = QStringLiteral("SELECT ID, Bezeichnung FROM %1 ORDER BY %2");
    const QString name = namensordnung::spalte(u"Bezeichnung");
    return {liste(nachName.arg(QStringLiteral("T_ORTE"), name)),
            liste(QStringLiteral("SELECT ID, Bezeichnung, Abkuerzung FROM T_ART ORDER BY ID"), true),
            liste(nachName.arg(QStringLiteral("T_ZWECK"), name)),
            liste(nachName.arg(QStringLiteral("T_Kategorie"), name)),
            liste(QStringLiteral("SELECT ID, Bezeichnung FROM T_Fahrer ORDER BY ID"))};
}

std::vector<Logbuchzeile> letzteFahrten(int kfz, int anzahl)
{
    std::vector<Logbuchzeile> zeilen;
    SqlStatement s("SELECT AbDat, AnDat, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer FROM T_MIREL "
                   "WHERE KFZ = ? ORDER BY AbDat DESC, ID DESC LIMIT ?");
    s.bind(kfz).bind(anzahl).exec();
    while (s.next())
        zeilen.push_back({sqldate::fromSql(s.value("AbDat")).value_or(QDateTime()),
                          sqldate::fromSql(s.value("AnDat")).value_or(QDateTime()), s.intValue("km_an"),
                          optionaleId(s, "Start"), optionaleId(s, "Ziel"), s.intValue("Art"), optionaleId(s, "Zweck"),
                          optionaleId(s, "Kategorie"), optionaleId(s, "Fahrer")});
    return zeilen;
}

std::vector<Rohfahrt> unbearbeiteteRohfahrten(int kfz)
{
    std::vector<Rohfahrt> fahrten;
    // The card's driver is named only for records the recorder stored as OK.
    SqlStatement s("SELECT b.ID, b.Startzeit, b.Startkm, b.Zielzeit, b.Zielkm, b.CF, b.Art, b.Ort, b.Grund, b.Kat, "
                   "CASE WHEN b.CF = 0 THEN (SELECT f.Bezeichnung FROM T_CF c JOIN T_Fahrer f ON f.ID = c.Fahrer "
                   "WHERE c.CF = b.CFID LIMIT 1) END AS FahrerName "
                   "FROM T_basis b WHERE b.KFZid = ? AND NOT b.Art = 'M' AND b.bearbeitet = 0 ORDER BY b.Startzeit");
    s.bind(FahrzeugStore::schluessel(kfz)).exec();
    while (s.next()) {
        const QString fahrer = s.text("FahrerName");
        fahrten.push_back({s.intValue("ID"), sqldate::fromSql(s.value("Startzeit")), s.intValue("Startkm"),
                           sqldate::fromSql(s.value("Zielzeit")), s.intValue("Zielkm"),
                           fahrer.isEmpty() ? QStringLiteral("unbekannt") : fahrer, s.intValue("CF"), s.text("Art"),
                           s.text("Ort"), s.text("Grund"), s.text("Kat")});
    }
    return fahrten;
}

std::vector<Stammfahrt> stammfahrten(std::optional<int> von)
{
    std::vector<Stammfahrt> fahrten;
    SqlStatement s(QStringLiteral("SELECT s.Von, s.Nach, s.KM, s.Zweck, s.Kategorie, s.Art FROM T_STAMMFAHRTEN s "
                                  "JOIN T_ORTE o ON s.Von = o.ID WHERE ? IS NULL OR s.Von = ? ORDER BY %1")
                       .arg(namensordnung::spalte(u"o.Bezeichnung")));
    const QVariant ort = von ? QVariant(*von) : QVariant();
    s.bind(ort).bind(ort).exec();
    while (s.next())
        fahrten.push_back(stammfahrtLesen(s));
    return fahrten;
}

std::optional<Stammfahrt> stammfahrtSuchen(int von, int nach, int zweck, int art)
{
    SqlStatement s("SELECT Von, Nach, KM, Zweck, Kategorie, Art FROM T_STAMMFAHRTEN "
                   "WHERE Von = ? AND Nach = ? AND Zweck = ? AND Art = ? ORDER BY rowid LIMIT 1");
    s.bind(von).bind(nach).bind(zweck).bind(art).exec();
    if (!s.next())
        return std::nullopt;
    return stammfahrtLesen(s);
}

int idFuer(Stammtabelle tabelle, const QString& name)
{
    const QString tabellenName = tabellenname(tabelle);
    // "büro" is the place "Büro": a second row would split the evaluation's filters.
    SqlStatement suche(QStringLiteral("SELECT ID FROM %1 WHERE %2 = ? ORDER BY ID LIMIT 1")
                           .arg(tabellenName, namensordnung::spalte(u"Bezeichnung")));
    suche.bind(name).exec();
    if (suche.next())
        return suche.intValue("ID");
    SqlStatement neu(QStringLiteral("INSERT INTO %1 (Bezeichnung) VALUES (?)").arg(tabellenName));
    neu.bind(name).exec();
    return static_cast<int>(neu.lastInsertId());
}

QString name(Stammtabelle tabelle, int id)
{
    SqlStatement s(QStringLiteral("SELECT Bezeichnung FROM %1 WHERE ID = ?").arg(tabellenname(tabelle)));
    s.bind(id).exec();
    return s.next() ? s.text("Bezeichnung") : QString();
}

int hoechsteFahrtdauer()
{
    return SqlStatement::scalarInt("SELECT tFahrt FROM T_Optionen LIMIT 1");
}

int hoechsteDurchschnittsgeschwindigkeit()
{
    return SqlStatement::scalarInt("SELECT V FROM T_Optionen LIMIT 1");
}

bool fahrtSpeichern(const NeueFahrt& f, std::optional<int> rohfahrt, const std::optional<Stammfahrt>& stammfahrt)
{
    Transaction transaktion;
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(f.kfz).bind(zeitOderNull(f.abDat)).bind(zeitOderNull(f.anDat)).bind(f.kmAb).bind(f.kmAn).bind(f.start)
        .bind(f.ziel).bind(f.art).bind(f.zweck).bind(f.kategorie).bind(f.fahrer).bind(f.bemerkung)
        .exec();
    // The raw trip is marked by its own row: another vehicle's trip may share its start time.
    if (rohfahrt)
        SqlStatement("UPDATE T_basis SET bearbeitet = 1 WHERE ID = ?").bind(*rohfahrt).exec();
    bool neueStammfahrt = true;
    if (stammfahrt) {
        neueStammfahrt = !stammfahrtVorhanden(*stammfahrt);
        if (neueStammfahrt)
            SqlStatement("INSERT INTO T_STAMMFAHRTEN (Von, Nach, KM, Zweck, Kategorie, Art) VALUES (?, ?, ?, ?, ?, ?)")
                .bind(stammfahrt->von).bind(stammfahrt->nach).bind(stammfahrt->km).bind(stammfahrt->zweck)
                .bind(stammfahrt->kategorie).bind(stammfahrt->art)
                .exec();
    }
    transaktion.commit();
    return neueStammfahrt;
}

} // namespace EingabeStore
