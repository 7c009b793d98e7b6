#include "db/DatabaseError.h"
#include "db/Masseneinfuegung.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

class MasseneinfuegungTest : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(MasseneinfuegungTest);

TEST_P(MasseneinfuegungTest, TexteKommenUnveraendertAn)
{
    const QStringList texte = {QStringLiteral("Tab\there"), QStringLiteral("zwei\nZeilen\r\n"),
                               QStringLiteral("C:\\Fahrten\\N"), QStringLiteral("\\N"), QStringLiteral("Straße „Ö“")};
    Transaction transaktion;
    Masseneinfuegung merkpunkte(QStringLiteral("T_Merkpunkte"),
                                {QStringLiteral("Zeit"), QStringLiteral("KM"), QStringLiteral("Bemerkung"),
                                 QStringLiteral("Fahrer"), QStringLiteral("KFZ")});
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

TEST_P(MasseneinfuegungTest, DoppelteKartenfahrtLaesstNichtsZurueck)
{
    const QStringList spalten = {QStringLiteral("CFID"), QStringLiteral("Startzeit"), QStringLiteral("KFZid")};
    try {
        Transaction transaktion;
        Masseneinfuegung rohfahrten(QStringLiteral("T_basis"), spalten);
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
