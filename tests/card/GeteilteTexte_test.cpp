#include "card/GeteilteTexte.h"

#include <gtest/gtest.h>

TEST(GeteilteTexte, GleicheTexteTeilenIhrenSpeicher)
{
    GeteilteTexte texte;
    const QString erster = texte.text("Lager Nord");
    const QString zweiter = texte.text(std::string("Lager ") + "Nord");
    EXPECT_EQ(erster, QStringLiteral("Lager Nord"));
    EXPECT_TRUE(erster.isSharedWith(zweiter));
}

TEST(GeteilteTexte, VerschiedeneTexteBleibenVerschieden)
{
    GeteilteTexte texte;
    const QString buero = texte.text("Büro Mitte");
    const QString hafen = texte.text("Hafen");
    const QString leer = texte.text("");
    EXPECT_EQ(buero, QStringLiteral("Büro Mitte"));
    EXPECT_EQ(hafen, QStringLiteral("Hafen"));
    EXPECT_TRUE(leer.isEmpty());
    EXPECT_EQ(texte.text("Büro Mitte"), QStringLiteral("Büro Mitte"));
    EXPECT_FALSE(buero.isSharedWith(hafen));
}

TEST(GeteilteTexte, EinGeaenderterTextAendertDieAnderenNicht)
{
    GeteilteTexte texte;
    QString ort = texte.text("Werk 2");
    ort += QStringLiteral(" - Zwischenstopp");
    EXPECT_EQ(texte.text("Werk 2"), QStringLiteral("Werk 2"));
}
