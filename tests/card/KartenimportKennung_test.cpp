#include "platform/FakeDiskService.h"
#include "platform/LinuxVolumeSerial.h"
#include "platform/MountOfPath.h"
#include "platform/VolumeUuid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct UuidFall {
    const char* uuid;
    std::optional<std::uint32_t> serial;
};

class SeriennummerTest : public ::testing::TestWithParam<UuidFall> {};

TEST_P(SeriennummerTest, AusDerUuid)
{
    EXPECT_EQ(volumeuuid::serialFromUuid(QString::fromLatin1(GetParam().uuid)), GetParam().serial);
}

INSTANTIATE_TEST_SUITE_P(
    Dateisysteme, SeriennummerTest,
    ::testing::Values(UuidFall{"ABCD-1234", 0xABCD1234u},     // FAT, exFAT: the serial itself
                      UuidFall{"abcd-1234", 0xABCD1234u},     // case does not matter
                      UuidFall{"FFFF-FFFF", 0xFFFFFFFFu},     // unsigned, never negative
                      UuidFall{"0000-0001", 1u},
                      UuidFall{"1A2B3C4D5E6F7A8B", 0x5E6F7A8Bu}, // NTFS: lower 32 bits
                      UuidFall{"01234567-89ab-cdef-0000-000000000000", 0x01234567u ^ 0x89abcdefu},
                      UuidFall{"", std::nullopt}, UuidFall{"-", std::nullopt}, UuidFall{"ABCD-12XZ", std::nullopt}));

struct MountFall {
    const char* pfad;
    const char* einhaengepunkt;
};

class EinhaengepunktTest : public ::testing::TestWithParam<MountFall> {};

TEST_P(EinhaengepunktTest, LaengsterPassenderEinhaengepunkt)
{
    const std::vector<MountEntry> mounts = {{"8:1", "/", "/dev/sda1"},
                                            {"8:17", "/media/karte", "/dev/sdb1"},
                                            {"8:33", "/media/karte2", "/dev/sdc1"},
                                            {"8:49", "/media/karte", "/dev/sdd1"}};
    const MountEntry* mount = mountHolding(mounts, QString::fromUtf8(GetParam().pfad));
    ASSERT_NE(mount, nullptr);
    EXPECT_EQ(mount->mountPoint, QString::fromUtf8(GetParam().einhaengepunkt));
}

INSTANTIATE_TEST_SUITE_P(Pfade, EinhaengepunktTest,
                         ::testing::Values(MountFall{"/media/karte/daten.txt", "/media/karte"},
                                           MountFall{"/media/karte2/daten.txt", "/media/karte2"},
                                           MountFall{"/media/kartei/daten.txt", "/"},
                                           MountFall{"/home/a/daten.txt", "/"}));

TEST(EinhaengepunktTest, SpaeterEingehaengtVerdecktFrueheren)
{
    const std::vector<MountEntry> mounts = {{"8:17", "/media/karte", "/dev/sdb1"}, {"8:49", "/media/karte", "/dev/sdd1"}};
    EXPECT_EQ(mountHolding(mounts, "/media/karte/daten.txt")->source, QStringLiteral("/dev/sdd1"));
    EXPECT_EQ(mountHolding(mounts, "/home/daten.txt"), nullptr);
}

// A made-up system: a mount table whose card mount names a device node, and a by-uuid directory
// whose link leads to that node.
class LinuxKennungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath("karte"));
        ASSERT_TRUE(QDir(root.path()).mkpath("by-uuid"));
        QFile geraet(root.filePath("sdb1"));
        ASSERT_TRUE(geraet.open(QIODevice::WriteOnly));
        QFile datei(root.filePath("karte/daten.txt"));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }

    void tabelle(const QString& quelle)
    {
        QFile f(root.filePath("mountinfo"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QString karte = QDir(root.path()).canonicalPath() + "/karte";
        f.write(QStringLiteral("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                               "40 22 8:17 / %1 rw,nosuid shared:7 - vfat %2 rw\n")
                    .arg(karte, quelle)
                    .toUtf8());
    }

    void verknuepfen(const QString& uuid)
    {
        ASSERT_TRUE(QFile::link(root.filePath("sdb1"), root.filePath("by-uuid/" + uuid)));
    }

    std::optional<QString> kennung(const QString& datei = QStringLiteral("karte/daten.txt"))
    {
        return LinuxVolumeSerial(std::make_unique<FakeDiskService>(dienst), root.filePath("mountinfo"),
                                 root.filePath("by-uuid"))
            .cardIdentifier(root.filePath(datei));
    }

    QTemporaryDir root;
    // The disk service knows nothing unless a test tells it.
    FakeDiskService dienst;
};

TEST_F(LinuxKennungTest, FatKarteGibtIhreSeriennummerDezimal)
{
    tabelle(root.filePath("sdb1"));
    verknuepfen("0000-0000");
    verknuepfen("ABCD-1234");
    // The other link leads to the same node here, so only one UUID may name it.
    QFile::remove(root.filePath("by-uuid/0000-0000"));
    EXPECT_EQ(kennung(), QStringLiteral("2882343476"));
}

TEST_F(LinuxKennungTest, GeraetOhneUuidHatKeineKennung)
{
    tabelle(root.filePath("sdb1"));
    EXPECT_EQ(kennung(), std::nullopt);
}

TEST_F(LinuxKennungTest, FehlendeDateiHatKeineKennung)
{
    tabelle(root.filePath("sdb1"));
    verknuepfen("ABCD-1234");
    EXPECT_EQ(kennung(QStringLiteral("karte/fehlt.txt")), std::nullopt);
}

TEST_F(LinuxKennungTest, OhneByUuidFragtSieDenDatentraegerdienst)
{
    QDir(root.filePath("by-uuid")).removeRecursively();
    tabelle(root.filePath("sdb1"));
    dienst.setUuid(root.filePath("sdb1"), QStringLiteral("ABCD-1234"));
    EXPECT_EQ(kennung(), QStringLiteral("2882343476"));
}

TEST_F(LinuxKennungTest, ByUuidGehtDemDatentraegerdienstVor)
{
    tabelle(root.filePath("sdb1"));
    verknuepfen("ABCD-1234");
    dienst.setUuid(root.filePath("sdb1"), QStringLiteral("0000-0001"));
    EXPECT_EQ(kennung(), QStringLiteral("2882343476"));
}

TEST_F(LinuxKennungTest, PseudodateisystemHatKeineKennung)
{
    tabelle(QStringLiteral("tmpfs"));
    verknuepfen("ABCD-1234");
    EXPECT_EQ(kennung(), std::nullopt);
}

} // namespace
