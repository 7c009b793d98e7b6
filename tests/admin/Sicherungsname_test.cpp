#include "admin/Sicherungsname.h"

#include <gtest/gtest.h>

namespace {

struct NamensFall {
    const char* verzeichnis;
    QDateTime zeitpunkt;
    const char* name;
};

class Sicherungsdateiname : public ::testing::TestWithParam<NamensFall> {};

} // namespace

TEST_P(Sicherungsdateiname, AusVerzeichnisUndZeitpunkt)
{
    const NamensFall fall = GetParam();
    EXPECT_EQ(sicherungsname::dateiname(QString::fromUtf8(fall.verzeichnis), fall.zeitpunkt),
              QString::fromUtf8(fall.name));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Sicherungsdateiname,
    ::testing::Values(
        NamensFall{"/daten/Sicherung/", QDateTime(QDate(2005, 12, 24), QTime(14, 5, 9)),
                   "/daten/Sicherung/20051224_140509.sav"},
        NamensFall{"/daten/Sicherung/", QDateTime(QDate(2006, 1, 5), QTime(9, 3, 7)),
                   "/daten/Sicherung/20060105_090307.sav"},
        NamensFall{"/daten/Sicherung", QDateTime(QDate(2005, 12, 24), QTime(14, 5, 9)),
                   "/daten/Sicherung20051224_140509.sav"},
        NamensFall{"/home/Jörg/Meine \"Sicherung\"/", QDateTime(QDate(2006, 12, 31), QTime(23, 59, 59)),
                   "/home/Jörg/Meine \"Sicherung\"/20061231_235959.sav"},
        NamensFall{"", QDateTime(QDate(2006, 1, 1), QTime(0, 0, 0)), "20060101_000000.sav"}));

TEST(Sicherungsverzeichnis, EndetMitGenauEinemTrennzeichen)
{
    EXPECT_EQ(sicherungsname::verzeichnisMitTrennzeichen(QStringLiteral("/daten/Sicherung")),
              QStringLiteral("/daten/Sicherung/"));
    EXPECT_EQ(sicherungsname::verzeichnisMitTrennzeichen(QStringLiteral("/daten/Sicherung/")),
              QStringLiteral("/daten/Sicherung/"));
    EXPECT_EQ(sicherungsname::verzeichnisMitTrennzeichen(QStringLiteral("/")), QStringLiteral("/"));
}
