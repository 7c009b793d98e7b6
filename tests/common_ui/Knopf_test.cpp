#include "common_ui/Knopf.h"

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
