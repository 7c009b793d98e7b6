#include "common/Anzahl.h"

#include <gtest/gtest.h>

namespace {

const Zaehlwort fahrt{QStringLiteral("Fahrt"), QStringLiteral("Fahrten")};
const Zaehlwort eintrag{QStringLiteral("Fahrtenbucheintrag"), QStringLiteral("Fahrtenbucheinträge")};

struct Anzahlfall {
    long long zahl;
    const Zaehlwort* wort;
    Null null;
    const char* erwartet;
};

class Anzahl : public ::testing::TestWithParam<Anzahlfall> {};

TEST_P(Anzahl, NenntZahlUndWortInDerPassendenForm)
{
    const Anzahlfall& fall = GetParam();
    EXPECT_EQ(anzahl(fall.zahl, *fall.wort, fall.null), QString::fromUtf8(fall.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Anzahl,
    ::testing::Values(Anzahlfall{1, &fahrt, Null::Ziffer, "1 Fahrt"}, Anzahlfall{2, &fahrt, Null::Ziffer, "2 Fahrten"},
                      Anzahlfall{0, &fahrt, Null::Ziffer, "0 Fahrten"},
                      Anzahlfall{0, &fahrt, Null::Keine, "keine Fahrten"},
                      Anzahlfall{1, &fahrt, Null::Keine, "1 Fahrt"},
                      Anzahlfall{1, &eintrag, Null::Ziffer, "1 Fahrtenbucheintrag"},
                      Anzahlfall{11, &eintrag, Null::Ziffer, "11 Fahrtenbucheinträge"},
                      Anzahlfall{21, &eintrag, Null::Keine, "21 Fahrtenbucheinträge"},
                      Anzahlfall{4000000000LL, &fahrt, Null::Ziffer, "4000000000 Fahrten"}));

} // namespace
