#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "db/Textwert.h"
#include "db/Zeilenschreiber.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

class ZeilenschreiberTest : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(ZeilenschreiberTest);

TEST_P(ZeilenschreiberTest, TexteKommenUnveraendertAn)
{
    const QStringList texte = {QStringLiteral("Tab\there"), QStringLiteral("zwei\nZeilen\r\n"),
                               QStringLiteral("C:\\Fahrten\\N"), QStringLiteral("\\N"), QStringLiteral("Straße „Ö“")};
    Transaction transaktion;
    Zeilenschreiber merkpunkte(QStringLiteral("T_Merkpunkte"),
                               {QStringLiteral("Zeit"), QStringLiteral("KM"), QStringLiteral("Bemerkung"),
                                QStringLiteral("Fahrer"), QStringLiteral("KFZ")},
                               Zeilenschreiber::Menge::Stapel);
    for (int i = 0; i < texte.size(); ++i)
        merkpunkte.zeile({i == 0 ? QVariant() : QVariant(QStringLiteral("2006-04-0%1 07:00:00").arg(i)), 100 + i,
                          texte[i], QStringLiteral("4711"), QStringLiteral("7 - K-CF 7")});
    merkpunkte.abschliessen();
    transaktion.commit();

    SqlStatement s("SELECT Zeit, KM, Bemerkung FROM T_Merkpunkte ORDER BY KM");
    s.exec();
    for (int i = 0; i < texte.size(); ++i) {
        ASSERT_TRUE(s.next());
        EXPECT_EQ(s.isNull("Zeit"), i == 0);
        EXPECT_EQ(s.intValue("KM"), 100 + i);
        EXPECT_EQ(s.text("Bemerkung"), texte[i]);
    }
}

TEST_P(ZeilenschreiberTest, DoppelteKartenfahrtLaesstNichtsZurueck)
{
    const QStringList spalten = {QStringLiteral("CFID"), QStringLiteral("Startzeit"), QStringLiteral("KFZid")};
    try {
        Transaction transaktion;
        Zeilenschreiber rohfahrten(QStringLiteral("T_basis"), spalten, Zeilenschreiber::Menge::Stapel);
        rohfahrten.zeile({QStringLiteral("4711"), QStringLiteral("2006-04-01 07:00:00"), QStringLiteral("7 - A")});
        rohfahrten.zeile({QStringLiteral("4711"), QStringLiteral("2006-04-02 07:00:00"), QStringLiteral("7 - A")});
        rohfahrten.zeile({QStringLiteral("4711"), QStringLiteral("2006-04-01 07:00:00"), QStringLiteral("7 - A")});
        rohfahrten.abschliessen();
        transaktion.commit();
        FAIL() << "doppelt gespeichert";
    } catch (const DoppelterEintrag&) {
    }
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis"), 0);
    // The connection goes on working after the refused rows.
    build::rohfahrt({.startzeit = QDateTime(QDate(2006, 4, 1), QTime(7, 0))});
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis"), 1);
}

// A lone UTF-16 surrogate (typed or pasted) has no UTF-8 of its own: single rows, batches and a
// bound lookup must all make the same bytes of it, or a key written one way never finds the other.
TEST_P(ZeilenschreiberTest, EinsamesSurrogatWirdUeberallGleichGespeichert)
{
    const QString kennzeichen = QString(QChar(0xD800)) + QStringLiteral("x");
    const QByteArray gespeichert = textwert::utf8(kennzeichen);
    EXPECT_EQ(gespeichert, QByteArray("?x"));
    {
        Transaction transaktion;
        for (const auto menge : {Zeilenschreiber::Menge::Einzeln, Zeilenschreiber::Menge::Stapel}) {
            Zeilenschreiber merkpunkte(QStringLiteral("T_Merkpunkte"),
                                       {QStringLiteral("KM"), QStringLiteral("Fahrer"), QStringLiteral("KFZ")}, menge);
            merkpunkte.zeile({menge == Zeilenschreiber::Menge::Stapel ? 2 : 1, QStringLiteral("4711"), kennzeichen});
            merkpunkte.abschliessen();
        }
        SqlStatement("INSERT INTO T_Merkpunkte (KM, Fahrer, KFZ) VALUES (3, '4711', ?)").bind(kennzeichen).exec();
        transaktion.commit();
    }
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Merkpunkte WHERE KFZ = ?", {kennzeichen}), 3);
    SqlStatement s("SELECT DISTINCT KFZ FROM T_Merkpunkte");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("KFZ").toUtf8(), gespeichert);
    EXPECT_FALSE(s.next());
}
