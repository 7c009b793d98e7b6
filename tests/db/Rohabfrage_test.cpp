#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Rohabfrage.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class RohabfrageWert : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (IsSkipped())
            return;
        SqlStatement::direkt(Database::dialekt().tabelle(
            QStringLiteral("CREATE TABLE werte (ID INTEGER, z BIGINT, k DOUBLE PRECISION, t TEXT, b {BYTES})")));
    }

    static void zeile(int id, const QVariant& z, const QVariant& k, const QVariant& t, const QVariant& b)
    {
        SqlStatement("INSERT INTO werte (ID, z, k, t, b) VALUES (?, ?, ?, ?, ?)")
            .bind(id)
            .bind(z)
            .bind(k)
            .bind(t)
            .bind(b)
            .exec();
    }
};
MIT_BEIDEN_DATENBANKEN(RohabfrageWert);

QByteArray inhalt(const Rohabfrage::Wert& wert)
{
    return QByteArray(wert.daten, wert.laenge);
}

// A value read in one step says what the single calls say, for every kind of value.
void wieEinzeln(const Rohabfrage& s, int spalte)
{
    const Rohabfrage::Wert wert = s.wert(spalte);
    EXPECT_EQ(wert.art, s.typ(spalte)) << "Spalte " << spalte;
    qsizetype laenge = 0;
    switch (wert.art) {
    case Rohabfrage::Wertart::Zahl:
        EXPECT_EQ(wert.zahl, s.grosseZahl(spalte));
        break;
    case Rohabfrage::Wertart::Kommazahl:
        EXPECT_EQ(wert.kommazahl, s.kommazahl(spalte));
        break;
    case Rohabfrage::Wertart::Text: {
        const char* text = s.text(spalte, laenge);
        EXPECT_EQ(inhalt(wert), QByteArray(text, laenge));
        break;
    }
    case Rohabfrage::Wertart::Bytes: {
        const char* bytes = s.bytes(spalte, laenge);
        EXPECT_EQ(inhalt(wert), QByteArray(bytes, laenge));
        break;
    }
    case Rohabfrage::Wertart::Null:
        break;
    }
}

} // namespace

TEST_P(RohabfrageWert, LiestJedeArtInEinemSchritt)
{
    if (IsSkipped())
        return;
    const QByteArray bytes("\x00\xff\x01\n", 4);
    zeile(1, qlonglong(42), 2.5, QStringLiteral("Straße ä"), bytes);
    zeile(2, QVariant(), QVariant(), QVariant(), QVariant());
    zeile(3, std::numeric_limits<qlonglong>::min() + 1, -0.125, QStringLiteral(""), QByteArray("t5:Essen"));
    Rohabfrage s(QStringLiteral("SELECT z, k, t, b FROM werte ORDER BY ID"), {});

    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.wert(0).art, Rohabfrage::Wertart::Zahl);
    EXPECT_EQ(s.wert(0).zahl, 42);
    EXPECT_EQ(s.wert(1).art, Rohabfrage::Wertart::Kommazahl);
    EXPECT_EQ(s.wert(1).kommazahl, 2.5);
    EXPECT_EQ(s.wert(2).art, Rohabfrage::Wertart::Text);
    EXPECT_EQ(inhalt(s.wert(2)), QStringLiteral("Straße ä").toUtf8());
    EXPECT_EQ(s.wert(3).art, Rohabfrage::Wertart::Bytes);
    EXPECT_EQ(inhalt(s.wert(3)), bytes);
    for (int spalte = 0; spalte < 4; ++spalte)
        wieEinzeln(s, spalte);

    ASSERT_TRUE(s.next());
    for (int spalte = 0; spalte < 4; ++spalte) {
        EXPECT_EQ(s.wert(spalte).art, Rohabfrage::Wertart::Null) << "Spalte " << spalte;
        EXPECT_EQ(s.wert(spalte).laenge, 0);
    }

    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.wert(0).zahl, std::numeric_limits<qlonglong>::min() + 1);
    EXPECT_EQ(s.wert(1).kommazahl, -0.125);
    // An empty text is a text, not NULL.
    EXPECT_EQ(s.wert(2).art, Rohabfrage::Wertart::Text);
    EXPECT_EQ(s.wert(2).laenge, 0);
    EXPECT_EQ(inhalt(s.wert(3)), QByteArray("t5:Essen"));
    for (int spalte = 0; spalte < 4; ++spalte)
        wieEinzeln(s, spalte);
    EXPECT_FALSE(s.next());
}

// A row's values read in one call are the values read one by one, from any first column on.
TEST_P(RohabfrageWert, ZeileInEinemAufrufWieJederWertAllein)
{
    if (IsSkipped())
        return;
    zeile(1, qlonglong(-7), 0.5, QStringLiteral("Köln"), QByteArray("\x01\x00", 2));
    zeile(2, QVariant(), 1e300, QVariant(), QByteArray());
    Rohabfrage s(QStringLiteral("SELECT ID, z, k, t, b FROM werte ORDER BY ID"), {});
    int zeilen = 0;
    while (s.next()) {
        ++zeilen;
        for (int erste : {0, 2}) {
            std::vector<Rohabfrage::Wert> werte(static_cast<std::size_t>(5 - erste));
            s.werte(erste, werte);
            for (std::size_t i = 0; i < werte.size(); ++i) {
                const Rohabfrage::Wert allein = s.wert(erste + static_cast<int>(i));
                EXPECT_EQ(werte[i].art, allein.art) << "Spalte " << erste + static_cast<int>(i);
                EXPECT_EQ(werte[i].zahl, allein.zahl);
                EXPECT_EQ(werte[i].kommazahl, allein.kommazahl);
                EXPECT_EQ(inhalt(werte[i]), inhalt(allein));
            }
        }
    }
    EXPECT_EQ(zeilen, 2);
}
