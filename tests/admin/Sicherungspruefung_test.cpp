#include "admin/PruefsummenStore.h"
#include "admin/PruefwertvermerkStore.h"
#include "admin/Ruecksicherung.h"
#include "admin/SicherungStore.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "db/SqlStatement.h"
#include "platform/FileOperations.h"
#include "support/Tabelleninhalt.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

// A restore reads the backup's content anew and compares it with the Prüfwert the backup notes:
// whoever changed a backup and computed its checksum anew is found, the user asked, the answer
// kept in the restored logbook's protocol. On a file and on the server.
namespace {

// A change to the backup file by someone who also computes its checksum anew.
struct Eingriff {
    const char* name;
    const char* sql;
    const char* befund; // how the question and the protocol begin
};

void PrintTo(const Eingriff& e, std::ostream* os)
{
    *os << e.name;
}

void sqliteAendern(const QString& datei, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(datei).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

QString letzterProtokolleintrag()
{
    SqlStatement s("SELECT Beschreibung FROM T_Protokoll WHERE ID = (SELECT MAX(ID) FROM T_Protokoll)");
    s.exec();
    return s.next() ? s.text(QStringLiteral("Beschreibung")) : QString();
}

class Sicherungspruefung : public ::testing::TestWithParam<std::tuple<Datenbankart, Eingriff>> {
protected:
    void SetUp() override
    {
        if (!fuerTestOeffnen(db_, std::get<0>(GetParam())))
            return;
        const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-G 1, Golf")});
        build::fahrt({.kfz = golf, .kmAb = 1000, .kmAn = 1042});
        build::fahrt({.kfz = golf, .kmAb = 1042, .kmAn = 1050});
        SicherungStore::sichern(sicherung, FileOperations::system());
        gesichert = fahrtenbuchpruefung::pruefen().pruefwert();
        sqliteAendern(sicherung, std::get<1>(GetParam()).sql);
        PruefsummenStore::eintragen(sicherung);
    }

    // Restores the backup, answering every question with `antwort`; returns the questions.
    QStringList zuruecksichern(bool antwort, bool& zurueckgesichert)
    {
        QStringList fragen;
        zurueckgesichert = Ruecksicherung(FileOperations::system())
                               .zuruecksichern(sicherung, db_->ort(), [&fragen, antwort](const QString& frage) {
                                   fragen << frage;
                                   return antwort;
                               });
        return fragen;
    }

    std::optional<TestDatabase> db_;
    QTemporaryDir ordner;
    const QString sicherung = ordner.filePath(QStringLiteral("20060601_100005.sav"));
    QString gesichert;
};

} // namespace

TEST_P(Sicherungspruefung, VeraenderteSicherungWirdNurNachRueckfrageZurueckgesichert)
{
    if (IsSkipped())
        return;
    const QString befund = QString::fromUtf8(std::get<1>(GetParam()).befund);
    const QStringList vorher = tabelleninhalt();
    bool zurueckgesichert = true;

    const QStringList abgelehnt = zuruecksichern(false, zurueckgesichert);
    EXPECT_FALSE(zurueckgesichert);
    ASSERT_EQ(abgelehnt.size(), 1);
    EXPECT_TRUE(abgelehnt.front().startsWith(befund)) << abgelehnt.front().toStdString();
    EXPECT_TRUE(abgelehnt.front().endsWith(QStringLiteral(" Trotzdem zurücksichern?")));
    EXPECT_EQ(tabelleninhalt(), vorher);

    const QStringList bestaetigt = zuruecksichern(true, zurueckgesichert);
    EXPECT_TRUE(zurueckgesichert);
    // Asked the same first; a backup with fewer entries asks about losing them too.
    ASSERT_FALSE(bestaetigt.isEmpty());
    EXPECT_EQ(bestaetigt.front(), abgelehnt.front());
    const QString protokoll = letzterProtokolleintrag();
    EXPECT_TRUE(protokoll.contains(befund)) << protokoll.toStdString();
    EXPECT_TRUE(protokoll.contains(QStringLiteral(" Die Rücksicherung wurde trotzdem bestätigt.")))
        << protokoll.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Eingriffe, Sicherungspruefung,
    ::testing::Combine(
        ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL),
        ::testing::Values(
            Eingriff{"FahrtVeraendert", "UPDATE T_MIREL SET km_an = 1043 WHERE km_an = 1042",
                     "Die Prüfung der Sicherung hat 1 Abweichung gefunden: Einträge der Sicherung wurden nach dem "
                     "Speichern verändert, gelöscht oder eingefügt (zuerst: Fahrtenbuch, Fahrzeug B-G 1, Golf"},
            Eingriff{"VermerkAusgetauscht",
                     "UPDATE T_Pruefwertvermerk SET Pruefwert = '0123 4567 89AB CDEF 0123 4567 89AB CDEF'",
                     "Die Sicherung vermerkt den Prüfwert 0123 4567 89AB CDEF 0123 4567 89AB CDEF, ihr Inhalt "
                     "ergibt aber "},
            // The newest trip cut away with the chain's notes set back: consistent inside the backup,
            // but no longer the state its note names.
            Eingriff{"NeuesteFahrtGeloescht",
                     "DELETE FROM T_MIREL WHERE km_an = 1050; "
                     "UPDATE T_Pruefkette SET Anzahl = Anzahl - 1, Kopf = (SELECT Pruefwert FROM T_MIREL WHERE "
                     "km_an = 1042) WHERE Kette = 'T_MIREL'",
                     "Die Sicherung vermerkt den Prüfwert "})),
    [](const ::testing::TestParamInfo<std::tuple<Datenbankart, Eingriff>>& info) {
        return std::string(std::get<0>(info.param) == Datenbankart::SQLite ? "SQLite" : "PostgreSQL") + "_" +
               std::get<1>(info.param).name;
    });

namespace {

class UnveraenderteSicherung : public BeideDatenbanken {};

} // namespace

TEST_P(UnveraenderteSicherung, WirdOhneRueckfrageZurueckgesichertUndImProtokollBestaetigt)
{
    if (IsSkipped())
        return;
    build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    QTemporaryDir ordner;
    const QString sicherung = ordner.filePath(QStringLiteral("20060601_100005.sav"));
    SicherungStore::sichern(sicherung, FileOperations::system());
    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    EXPECT_EQ(PruefwertvermerkStore::pruefwert(sicherung), pruefwert);

    QStringList fragen;
    EXPECT_TRUE(
        Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, db().ort(), [&fragen](const QString& f) {
            fragen << f;
            return true;
        }));
    EXPECT_TRUE(fragen.isEmpty()) << fragen.join(u'\n').toStdString();
    // The backup's own notes came along with it and are no foreign object.
    const Pruefergebnis danach = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(danach.unveraendert()) << danach.bericht().toStdString();
    EXPECT_TRUE(letzterProtokolleintrag().contains(
        QStringLiteral("Die Sicherung ist unverändert: ihr Inhalt ergibt den vermerkten Prüfwert %1.").arg(pruefwert)))
        << letzterProtokolleintrag().toStdString();
}

MIT_BEIDEN_DATENBANKEN(UnveraenderteSicherung);
