#include "db/Anweisungsvorrat.h"
#include "db/Database.h"
#include "db/Rohabfrage.h"
#include "db/SqlStatement.h"
#include "db/Zeilenschreiber.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

void merkpunktSchreiben(int km)
{
    Transaction transaktion;
    Zeilenschreiber merkpunkte(QStringLiteral("T_Merkpunkte"),
                               {QStringLiteral("KM"), QStringLiteral("Fahrer"), QStringLiteral("KFZ")});
    merkpunkte.zeile({km, QStringLiteral("4711"), QStringLiteral("7 - K-CF 7")});
    transaktion.commit();
}

// Through the reader, as the lists and the chain check read.
QList<qint64> merkpunktKm()
{
    Rohabfrage s(QStringLiteral("SELECT KM FROM T_Merkpunkte WHERE Fahrer = ? ORDER BY KM"), {QStringLiteral("4711")});
    QList<qint64> km;
    while (s.next())
        km << s.grosseZahl(0);
    return km;
}

// The descriptors of this process that lead to `datei` or one of its companions.
QStringList offeneHandles(const QString& datei)
{
    const QString ziel = QFileInfo(datei).canonicalFilePath();
    QStringList offen;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
        const QString wohin = QFile::symLinkTarget(fds.filePath(fd));
        if (wohin.startsWith(ziel))
            offen << wohin;
    }
    return offen;
}

} // namespace

class AnweisungsvorratTest : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(AnweisungsvorratTest);

// Statements kept for reuse belong to one connection: after closing and opening again the same
// texts run on the new connection and see its state.
TEST_P(AnweisungsvorratTest, NachDemWiederoeffnenGeltenDieGespeichertenAnweisungen)
{
    merkpunktSchreiben(100);
    ASSERT_EQ(merkpunktKm(), QList<qint64>{100});
    Database::schliessen();
    EXPECT_EQ(anweisungsvorrat::anzahl(), 0);
    Database::verbinden(db().ort(), Database::Access::ReadWrite);
    merkpunktSchreiben(200);
    EXPECT_EQ(merkpunktKm(), (QList<qint64>{100, 200}));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Merkpunkte"), 2);
}

// A query nested in another of the same text gets a statement of its own.
TEST_P(AnweisungsvorratTest, GleicheAbfrageIneinander)
{
    merkpunktSchreiben(1);
    merkpunktSchreiben(2);
    Rohabfrage aussen(QStringLiteral("SELECT KM FROM T_Merkpunkte ORDER BY KM"), {});
    QList<qint64> paare;
    while (aussen.next()) {
        Rohabfrage innen(QStringLiteral("SELECT KM FROM T_Merkpunkte ORDER BY KM"), {});
        while (innen.next())
            paare << aussen.grosseZahl(0) * 10 + innen.grosseZahl(0);
    }
    EXPECT_EQ(paare, (QList<qint64>{11, 12, 21, 22}));
    // Each text is kept once afterwards, whichever statement came back last.
    EXPECT_EQ(merkpunktKm(), (QList<qint64>{1, 2}));
}

// A restore replaces the closed logbook's file: no statement kept from before may hold the old
// file open, and the same statements then read and write the new one.
TEST(Anweisungsvorrat, SchliessenGibtDieDateiFreiFuerDieRuecksicherung)
{
    TestDatabase db;
    const QString sicherung = db.directory() + QStringLiteral("/sicherung.db");
    ASSERT_TRUE(QFile::copy(db.file(), sicherung));
    merkpunktSchreiben(100);
    ASSERT_EQ(merkpunktKm(), QList<qint64>{100});
    ASSERT_GT(anweisungsvorrat::anzahl(), 0);

    Database::schliessen();
    EXPECT_EQ(anweisungsvorrat::anzahl(), 0);
    EXPECT_EQ(offeneHandles(db.file()), QStringList());
    ASSERT_TRUE(QFile::remove(db.file()));
    ASSERT_TRUE(QFile::copy(sicherung, db.file()));

    Database::verbinden(db.file(), Database::Access::ReadWrite);
    EXPECT_EQ(merkpunktKm(), QList<qint64>{});
    merkpunktSchreiben(300);
    EXPECT_EQ(merkpunktKm(), QList<qint64>{300});
    Database::schliessen();
    EXPECT_EQ(offeneHandles(db.file()), QStringList());
}
