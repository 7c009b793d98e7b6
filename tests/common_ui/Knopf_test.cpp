#include "common_ui/Knopf.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

TEST(Knopf, TraegtSeinenNamenSeinenTextUndGehoertDemFenster)
{
    QWidget fenster;
    QPushButton* button = knopf(QStringLiteral("BtOK"), QStringLiteral("Einlesen"), &fenster);
    EXPECT_EQ(button->objectName(), QStringLiteral("BtOK"));
    EXPECT_EQ(button->text(), QStringLiteral("Einlesen"));
    EXPECT_EQ(button->parent(), &fenster);
    EXPECT_EQ(fenster.findChild<QPushButton*>(QStringLiteral("BtOK")), button);
}

TEST(Knopfzeile, SetztDieKnoepfeInIhrerReihenfolgeAnDasRechteEnde)
{
    QWidget fenster;
    QPushButton ok(QStringLiteral("OK"));
    QPushButton abbrechen(QStringLiteral("Abbrechen"));
    QHBoxLayout* zeile = knopfzeile({&ok, &abbrechen});
    fenster.setLayout(zeile);
    ASSERT_EQ(zeile->count(), 3);
    EXPECT_NE(zeile->itemAt(0)->spacerItem(), nullptr);
    EXPECT_EQ(zeile->itemAt(1)->widget(), &ok);
    EXPECT_EQ(zeile->itemAt(2)->widget(), &abbrechen);
    fenster.resize(400, 50);
    fenster.show();
    EXPECT_EQ(abbrechen.geometry().right(), fenster.contentsRect().right() - zeile->contentsMargins().right());
    EXPECT_LT(ok.geometry().right(), abbrechen.geometry().left());
}
