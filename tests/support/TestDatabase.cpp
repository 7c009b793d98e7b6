#include "support/TestDatabase.h"

#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "support/Testserver.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
QVariant zeit(const QDateTime& t)
{
    return t.isValid() ? QVariant(sqldate::toSql(t)) : QVariant();
}

QVariant idOderNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

int stammsatz(const QString& tabelle, const QString& name)
{
    SqlStatement s(QStringLiteral("INSERT INTO %1 (Bezeichnung) VALUES (?) RETURNING ID").arg(tabelle));
    s.bind(name).exec();
    return static_cast<int>(s.neueId());
}
} // namespace

TestDatabase::TestDatabase(Datenbankart art) : art_(art), previousDirectory_(QDir::currentPath())
{
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
    ort_ = art == Datenbankart::SQLite ? file() : testserver::leereDatenbank();
    Logbuch::anlegen(ort_);
    sitzung_.setLogbuch(ort_);
    sitzung_.setDatenbankVorhanden(true);
    sitzung_.setAktuellesFahrzeug(1);
}

TestDatabase::~TestDatabase()
{
    Database::schliessen();
    QDir::setCurrent(previousDirectory_);
}

QString TestDatabase::file() const
{
    return QDir(dir_.path()).filePath(QString::fromLatin1(Database::fileName));
}

namespace {
void ohneServerUeberspringen()
{
    GTEST_SKIP() << testserver::fehlt;
}
} // namespace

bool fuerTestOeffnen(std::optional<TestDatabase>& db, Datenbankart art)
{
    if (testserver::fehltFuer(art)) {
        ohneServerUeberspringen();
        return false;
    }
    db.emplace(art);
    return true;
}

std::string datenbankName(const ::testing::TestParamInfo<Datenbankart>& info)
{
    return info.param == Datenbankart::SQLite ? "SQLite" : "PostgreSQL";
}

namespace build {

int fahrzeug(const Fahrzeug& f)
{
    SqlStatement s("INSERT INTO T_KFZ (KZuFzg, AnfKM, InspKM, InspDat, Eingabeart, KFZID) VALUES (?, ?, ?, ?, ?, ?) "
                   "RETURNING ID");
    s.bind(f.kennzeichen).bind(f.anfKm).bind(f.inspKm).bind(sqldate::toSql(f.inspDat)).bind(f.eingabeart).bind(f.kfzId);
    s.exec();
    const int id = static_cast<int>(s.neueId());
    Kettentransaktion kette;
    kette.anhaengen(Fahrtenbucheintrag{
        .kfz = id, .abDat = zeit(f.start), .anDat = zeit(f.start), .kmAn = f.anfKm, .art = 99, .zweck = 1});
    kette.commit();
    return id;
}

// Rows are stored with their chain values, as the program stores them.
int fahrt(const Fahrt& f)
{
    Kettentransaktion kette;
    const qlonglong id = kette.anhaengen(Fahrtenbucheintrag{.kfz = f.kfz,
                                                            .abDat = zeit(f.ab),
                                                            .anDat = zeit(f.an),
                                                            .kmAb = f.kmAb,
                                                            .kmAn = f.kmAn,
                                                            .start = idOderNull(f.start),
                                                            .ziel = idOderNull(f.ziel),
                                                            .art = f.art,
                                                            .zweck = idOderNull(f.zweck),
                                                            .kategorie = idOderNull(f.kategorie),
                                                            .fahrer = idOderNull(f.fahrer),
                                                            .bemerkung = f.bemerkung});
    kette.commit();
    return static_cast<int>(id);
}

int maerzfahrt(int kfz, int tag)
{
    const QDateTime ab(QDate(2006, 3, tag), QTime(8, 0));
    return fahrt({.kfz = kfz, .ab = ab, .an = ab.addSecs(3600), .kmAb = 1000 + 50 * tag, .kmAn = 1050 + 50 * tag});
}

int rohfahrt(const Rohfahrt& r)
{
    Kettentransaktion kette;
    const qlonglong id =
        kette.anhaengen(Rohfahrteintrag{r.cfid, zeit(r.einlesedat), zeit(r.startzeit), r.startkm, zeit(r.zielzeit),
                                        r.zielkm, r.kfzSchluessel, r.cf, r.art, r.ort, r.grund, r.kat});
    if (r.bearbeitet)
        SqlStatement("UPDATE T_basis SET bearbeitet = 1 WHERE ID = ?").bind(id).exec();
    kette.commit();
    return static_cast<int>(id);
}

int fahrer(const QString& name, const QString& bemerkung)
{
    SqlStatement s("INSERT INTO T_Fahrer (Bezeichnung, Bemerkung) VALUES (?, ?) RETURNING ID");
    s.bind(name).bind(bemerkung.isNull() ? QVariant() : QVariant(bemerkung)).exec();
    return static_cast<int>(s.neueId());
}

int ort(const QString& name)
{
    return stammsatz(QStringLiteral("T_ORTE"), name);
}

int zweck(const QString& name)
{
    return stammsatz(QStringLiteral("T_ZWECK"), name);
}

int kategorie(const QString& name)
{
    return stammsatz(QStringLiteral("T_Kategorie"), name);
}

void optionen(const QString& spalte, const QVariant& wert)
{
    // Column names come from the tests themselves, never from input.
    SqlStatement(QStringLiteral("UPDATE T_Optionen SET %1 = ?").arg(spalte)).bind(wert).exec();
}

} // namespace build
