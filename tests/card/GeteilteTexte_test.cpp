#include "card/GeteilteTexte.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// More distinct texts than the table first holds, alike but for one byte somewhere in the middle,
// as the places of a long card may be.
TEST(GeteilteTexte, VieleAehnlicheTexteBleibenGetrenntUndGeteilt)
{
    GeteilteTexte texte;
    std::vector<QString> erste;
    const auto ort = [](int nummer) { return "Baustelle " + std::to_string(nummer) + " Süd, Eingang C"; };
    for (int nummer = 0; nummer < 1000; ++nummer)
        erste.push_back(texte.text(ort(nummer)));
    for (int nummer = 0; nummer < 1000; ++nummer) {
        const QString wieder = texte.text(ort(nummer));
        EXPECT_EQ(wieder, QString::fromStdString(ort(nummer)));
        EXPECT_TRUE(wieder.isSharedWith(erste[static_cast<std::size_t>(nummer)]));
    }
}
