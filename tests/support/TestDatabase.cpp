#include "support/TestDatabase.h"

#include "db/Database.h"
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
    Database::createNew(ort_);
    sitzung_.setLogbuch(ort_);
    sitzung_.setDatenbankVorhanden(true);
    sitzung_.setAktuellesFahrzeug(1);
}

TestDatabase::~TestDatabase()
{
    Database::close();
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
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_an, Art, Zweck) VALUES (?, ?, ?, ?, 99, 1)")
        .bind(id).bind(zeit(f.start)).bind(zeit(f.start)).bind(f.anfKm).exec();
    return id;
}

int fahrt(const Fahrt& f)
{
    SqlStatement s("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                   "Bemerkung) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID");
    s.bind(f.kfz).bind(zeit(f.ab)).bind(zeit(f.an)).bind(f.kmAb).bind(f.kmAn).bind(idOderNull(f.start))
        .bind(idOderNull(f.ziel)).bind(f.art).bind(idOderNull(f.zweck)).bind(idOderNull(f.kategorie))
        .bind(idOderNull(f.fahrer)).bind(f.bemerkung);
    s.exec();
    return static_cast<int>(s.neueId());
}

int rohfahrt(const Rohfahrt& r)
{
    SqlStatement s("INSERT INTO T_basis (CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort, "
                   "Grund, Kat, bearbeitet) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID");
    s.bind(r.cfid).bind(zeit(r.einlesedat)).bind(zeit(r.startzeit)).bind(r.startkm).bind(zeit(r.zielzeit))
        .bind(r.zielkm).bind(r.kfzSchluessel).bind(r.cf).bind(r.art).bind(r.ort).bind(r.grund).bind(r.kat)
        .bind(r.bearbeitet ? 1 : 0);
    s.exec();
    return static_cast<int>(s.neueId());
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
