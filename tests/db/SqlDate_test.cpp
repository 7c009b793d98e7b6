#include "db/SqlDate.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

struct GespeicherteZeit {
    const char* name;
    QVariant gespeichert;
    const char* datum;
    const char* datumUndZeit;
};

class SqlDateDeutschTest : public ::testing::TestWithParam<GespeicherteZeit> {};

TEST_P(SqlDateDeutschTest, ZeigtDieGespeicherteZeitOderNichts)
{
    EXPECT_EQ(sqldate::germanDate(GetParam().gespeichert), QString::fromUtf8(GetParam().datum));
    EXPECT_EQ(sqldate::germanDateTime(GetParam().gespeichert), QString::fromUtf8(GetParam().datumUndZeit));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SqlDateDeutschTest,
    ::testing::Values(
        GespeicherteZeit{"gueltig", QStringLiteral("2005-12-24 14:05:00"), "24.12.2005", "24.12.2005 14:05:00"},
        GespeicherteZeit{"mitternacht", QStringLiteral("2024-02-29 00:00:00"), "29.02.2024", "29.02.2024 00:00:00"},
        GespeicherteZeit{"null", QVariant(), "", ""}, GespeicherteZeit{"leer", QStringLiteral(""), "", ""},
        GespeicherteZeit{"nurDatum", QStringLiteral("2005-12-24"), "", ""},
        GespeicherteZeit{"mitT", QStringLiteral("2005-12-24T14:05:00"), "", ""},
        GespeicherteZeit{"angehaengt", QStringLiteral("2005-12-24 14:05:00x"), "", ""},
        GespeicherteZeit{"monat13", QStringLiteral("2005-13-01 10:00:00"), "", ""},
        GespeicherteZeit{"kein29Februar", QStringLiteral("2023-02-29 10:00:00"), "", ""},
        GespeicherteZeit{"stunde25", QStringLiteral("2005-12-24 25:00:00"), "", ""},
        GespeicherteZeit{"vorzeichen", QStringLiteral("2005-+2-24 10:00:00"), "", ""},
        GespeicherteZeit{"andereZiffern", QString::fromUtf8("２００５-12-24 10:00:00"), "", ""},
        GespeicherteZeit{"arabischeZiffern", QString::fromUtf8("٢٠٠٥-12-24 10:00:00"), "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The stored text is the clock time as entered, also in the hour skipped when the clocks go forward.
class MitDeutscherZeitzone : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher_ = qgetenv("TZ");
        hatteZone_ = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override
    {
        if (hatteZone_)
            qputenv("TZ", vorher_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray vorher_;
    bool hatteZone_ = false;
};

TEST_F(MitDeutscherZeitzone, ZeitInDerUebersprungenenStundeBleibtWieGespeichert)
{
    EXPECT_EQ(sqldate::germanDateTime(QStringLiteral("2024-03-31 02:30:00")), QStringLiteral("31.03.2024 02:30:00"));
    EXPECT_EQ(sqldate::germanDate(QStringLiteral("2024-03-31 02:30:00")), QStringLiteral("31.03.2024"));
    EXPECT_EQ(sqldate::germanDateTime(QStringLiteral("2024-10-27 02:30:00")), QStringLiteral("27.10.2024 02:30:00"));
}

} // namespace
