#include "audit/Korrektur.h"

#include <gtest/gtest.h>

namespace {

Fassung fahrt()
{
    Fassung f;
    f.fahrzeug = QStringLiteral("B-XY 1, Golf");
    f.abDat = QDateTime(QDate(2006, 3, 1), QTime(8, 0));
    f.anDat = QDateTime(QDate(2006, 3, 1), QTime(9, 0));
    f.kmAb = 1000;
    f.kmAn = 1050;
    f.von = QStringLiteral("Essen");
    f.nach = QStringLiteral("Bonn");
    f.zweck = QStringLiteral("Kunde");
    f.kategorie = QStringLiteral("Standard");
    f.fahrer = QStringLiteral("Meier");
    f.art = QStringLiteral("geschäftlich");
    return f;
}

} // namespace

TEST(Korrekturregeln, GrundIstPflicht)
{
    EXPECT_EQ(korrektur::ohneGrundKorrigiert(QStringLiteral("  ")),
              QStringLiteral("Bitte geben Sie den Grund der Korrektur an."));
    EXPECT_EQ(korrektur::ohneGrundStorniert(QString()),
              QStringLiteral("Bitte geben Sie den Grund der Stornierung an."));
    EXPECT_FALSE(korrektur::ohneGrundKorrigiert(QStringLiteral("Tippfehler")));
}

TEST(Korrekturregeln, NenntJedesGeaenderteFeldMitAltemUndNeuemWert)
{
    Korrektur k{fahrt(), fahrt()};
    EXPECT_TRUE(korrektur::aenderungen(k).isEmpty());
    EXPECT_EQ(korrektur::unveraendert(k), QStringLiteral("Die Fahrt ist unverändert; es gibt nichts zu korrigieren."));
    k.neu.anDat = k.neu.anDat.addSecs(600);
    k.neu.kmAn = 1045;
    k.neu.nach = QStringLiteral("Köln");
    k.neu.bemerkung = QStringLiteral("Umweg");
    EXPECT_EQ(korrektur::aenderungen(k),
              (QStringList{QStringLiteral("Ankunft: 01.03.2006 09:00 → 01.03.2006 09:10"),
                           QStringLiteral("nach: Bonn → Köln"), QStringLiteral("km-Ankunft: 1050 → 1045"),
                           QStringLiteral("Bemerkung:  → Umweg")}));
    EXPECT_FALSE(korrektur::unveraendert(k));
}

TEST(Korrekturregeln, ProtokolltextNenntFahrtAenderungUndGrund)
{
    Korrektur k{fahrt(), fahrt()};
    k.neu.kmAn = 1045;
    k.neu.grund = QStringLiteral("Tippfehler");
    EXPECT_EQ(korrektur::protokolltext(k), QStringLiteral("Fahrt vom 01.03.2006 08:00, B-XY 1, Golf korrigiert: "
                                                          "km-Ankunft: 1050 → 1045. Grund: Tippfehler"));
    k.neu.storniert = true;
    k.neu.grund = QStringLiteral("doppelt erfasst");
    EXPECT_EQ(korrektur::protokolltext(k),
              QStringLiteral("Fahrt vom 01.03.2006 08:00, B-XY 1, Golf storniert. Grund: doppelt erfasst"));
}
