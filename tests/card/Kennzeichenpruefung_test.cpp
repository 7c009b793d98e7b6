#include "logbuch/FahrzeugStore.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

struct KennzeichenFall {
    const char* getippt;
    bool vergeben;
};

class Kennzeichenpruefung : public ::testing::TestWithParam<KennzeichenFall> {};

// The card import's new vehicle and the vehicle window refuse plates through this one check.
TEST_P(Kennzeichenpruefung, KartenimportUndFahrzeugfensterSindSichEinig)
{
    TestDatabase db;
    build::fahrzeug({.kennzeichen = QStringLiteral("B-VÄ 1, Golf")});
    const QString getippt = QString::fromUtf8(GetParam().getippt);
    EXPECT_EQ(FahrzeugStore::kennzeichenVergeben(getippt), GetParam().vergeben);
}

INSTANTIATE_TEST_SUITE_P(Kennzeichen, Kennzeichenpruefung,
                         ::testing::Values(KennzeichenFall{"B-VÄ 1, Golf", true}, KennzeichenFall{"b-vä 1, golf", true},
                                           KennzeichenFall{"B-VÄ 1, GOLF", true},
                                           KennzeichenFall{"B-VA 1, Golf", false},
                                           KennzeichenFall{"B-VÄ 1,Golf", false}));
