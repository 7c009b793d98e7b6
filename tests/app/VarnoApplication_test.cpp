#include "app/VarnoApplication.h"
#include "common/VarnoError.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(VarnoApplication, StandardknoepfeSindDeutsch)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST(VarnoApplication, FehlerImHandlerZeigtVarnoFehlerfensterUndLaeuftWeiter)
{
    QPushButton knopf;
    int danach = 0;
    QObject::connect(&knopf, &QPushButton::clicked, [] { throw VarnoError(QStringLiteral("kaputt")); });
    QObject::connect(&knopf, &QPushButton::pressed, [&] { ++danach; });
    knopf.show();
    // Real mouse events pass through the application object like a user's click.
    QTest::mouseClick(&knopf, Qt::LeftButton);
    QTest::mouseClick(&knopf, Qt::LeftButton);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 2u);
    EXPECT_EQ(ScriptedPrompts::get().shown()[0].title, QStringLiteral("Varno"));
    EXPECT_EQ(ScriptedPrompts::get().shown()[0].text, QStringLiteral("kaputt"));
    EXPECT_EQ(danach, 2);
}
