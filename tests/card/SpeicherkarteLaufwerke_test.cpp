#include "platform/LinuxRemovableMedia.h"
#include "platform/MountInfo.h"
#include "platform/UDisksFormatter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A sysfs tree and a mount table as the kernel would show them, in a temporary directory.
class LinuxLaufwerke : public ::testing::Test {
protected:
    QString pfad(const QString& relativ) const { return dir.filePath(relativ); }

    void schreibe(const QString& relativ, const QByteArray& inhalt)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(pfad(relativ)).path()));
        QFile datei(pfad(relativ));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }

    void verweis(const QString& relativ, const QString& ziel)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(pfad(relativ)).path()));
        ASSERT_TRUE(QFile::link(pfad(ziel), pfad(relativ)));
    }

    // A whole disk under sys/block and sys/dev/block.
    void platte(const QString& name, const QString& nummer, bool wechselbar, const QByteArray& sektoren,
                const QByteArray& typ = "0")
    {
        const QString ordner = QStringLiteral("sys/devices/pci/host/block/") + name;
        schreibe(ordner + QStringLiteral("/removable"), wechselbar ? "1\n" : "0\n");
        schreibe(ordner + QStringLiteral("/size"), sektoren + "\n");
        schreibe(ordner + QStringLiteral("/device/type"), typ + "\n");
        verweis(QStringLiteral("sys/block/") + name, ordner);
        verweis(QStringLiteral("sys/dev/block/") + nummer, ordner);
    }

    void partition(const QString& platte, const QString& name, const QString& nummer, const QByteArray& sektoren)
    {
        const QString ordner = QStringLiteral("sys/devices/pci/host/block/%1/%2").arg(platte, name);
        schreibe(ordner + QStringLiteral("/partition"), "1\n");
        schreibe(ordner + QStringLiteral("/size"), sektoren + "\n");
        verweis(QStringLiteral("sys/dev/block/") + nummer, ordner);
    }

    // A mount point folder and its line in the mount table.
    QString einhaengen(int id, const QString& nummer, const QString& ordner, const QString& geraet)
    {
        const QString punkt = pfad(ordner);
        EXPECT_TRUE(QDir().mkpath(punkt));
        QString feld = punkt;
        feld.replace(QLatin1Char(' '), QStringLiteral("\\040"));
        tabelle += QStringLiteral("%1 1 %2 / %3 rw,nosuid shared:%1 - vfat %4 rw\n")
                       .arg(id)
                       .arg(nummer, feld, geraet)
                       .toUtf8();
        return punkt + QLatin1Char('/');
    }

    LinuxRemovableMedia medien()
    {
        schreibe(QStringLiteral("mountinfo"), tabelle);
        return LinuxRemovableMedia({.mountInfo = pfad(QStringLiteral("mountinfo")), .sys = pfad(QStringLiteral("sys"))},
                                   nullptr);
    }

    QTemporaryDir dir;
    QByteArray tabelle;
};

QStringList wurzeln(const std::vector<RemovableDrive>& laufwerke)
{
    QStringList texte;
    for (const RemovableDrive& laufwerk : laufwerke)
        texte << laufwerk.root;
    return texte;
}

} // namespace

TEST_F(LinuxLaufwerke, WechseldatentraegerInEinhaengereihenfolgeDannLaufwerkeOhneMedium)
{
    platte(QStringLiteral("sda"), QStringLiteral("8:0"), false, "500118192");
    partition(QStringLiteral("sda"), QStringLiteral("sda1"), QStringLiteral("8:1"), "500000000");
    platte(QStringLiteral("sdb"), QStringLiteral("8:16"), true, "31250");
    partition(QStringLiteral("sdb"), QStringLiteral("sdb1"), QStringLiteral("8:17"), "31218");
    platte(QStringLiteral("sdc"), QStringLiteral("8:32"), true, "0");
    platte(QStringLiteral("mmcblk0"), QStringLiteral("179:0"), true, "16000000");
    platte(QStringLiteral("sr0"), QStringLiteral("11:0"), true, "0", "5");
    einhaengen(21, QStringLiteral("8:1"), QStringLiteral("root"), QStringLiteral("/dev/sda1"));
    const QString mmc = einhaengen(22, QStringLiteral("179:0"), QStringLiteral("media/anna/GROSS"),
                                   QStringLiteral("/dev/mmcblk0"));
    const QString karte = einhaengen(23, QStringLiteral("8:17"), QStringLiteral("media/anna/MEINE KARTE"),
                                     QStringLiteral("/dev/sdb1"));
    // The same card a second time, bound elsewhere: still one drive.
    einhaengen(24, QStringLiteral("8:17"), QStringLiteral("mnt/bind"), QStringLiteral("/dev/sdb1"));

    const std::vector<RemovableDrive> laufwerke = medien().drives();
    EXPECT_EQ(wurzeln(laufwerke), (QStringList{mmc, karte, QStringLiteral("/dev/sdc")}));
    ASSERT_EQ(laufwerke.size(), 3u);
    EXPECT_TRUE(laufwerke[1].readable);
    EXPECT_EQ(laufwerke[1].device, QStringLiteral("/dev/sdb1"));
    EXPECT_EQ(laufwerke[1].blockSize * laufwerke[1].blockCount, 31218u * 512u);
    EXPECT_EQ(laufwerke[0].blockSize * laufwerke[0].blockCount, 16000000ull * 512u);
    EXPECT_FALSE(laufwerke[2].readable);
}

TEST_F(LinuxLaufwerke, OhneMounttabelleNurLaufwerkeOhneMedium)
{
    platte(QStringLiteral("sdc"), QStringLiteral("8:32"), true, "0");
    const LinuxRemovableMedia ohneTabelle({.mountInfo = pfad(QStringLiteral("fehlt")), .sys = pfad(QStringLiteral("sys"))},
                                          nullptr);
    EXPECT_EQ(wurzeln(ohneTabelle.drives()), QStringList{"/dev/sdc"});
}

TEST_F(LinuxLaufwerke, VorbereitenLeertDasMediumUndBehaeltDieWurzel)
{
    const QString wurzel = pfad(QStringLiteral("karte")) + QLatin1Char('/');
    schreibe(QStringLiteral("karte/daten.txt"), "alt");
    schreibe(QStringLiteral("karte/.versteckt"), "x");
    schreibe(QStringLiteral("karte/ordner/tief/datei"), "x");
    schreibe(QStringLiteral("draussen/bleibt"), "x");
    verweis(QStringLiteral("karte/verweis"), QStringLiteral("draussen"));
    LinuxRemovableMedia m = medien();
    EXPECT_EQ(m.prepare({.root = wurzel, .readable = true}), wurzel);
    EXPECT_TRUE(QDir(wurzel).exists());
    EXPECT_TRUE(QDir(wurzel).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty());
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("draussen/bleibt"))));
}

TEST_F(LinuxLaufwerke, KopierenErsetztVorhandeneDatei)
{
    schreibe(QStringLiteral("vorlage"), QByteArray(4096, '\xFF'));
    schreibe(QStringLiteral("karte/daten.txt"), QByteArray(9000, 'a'));
    LinuxRemovableMedia m = medien();
    EXPECT_TRUE(m.copyFile(pfad(QStringLiteral("vorlage")), pfad(QStringLiteral("karte/daten.txt"))));
    QFile kopie(pfad(QStringLiteral("karte/daten.txt")));
    ASSERT_TRUE(kopie.open(QIODevice::ReadOnly));
    EXPECT_EQ(kopie.readAll(), QByteArray(4096, '\xFF'));
}

TEST_F(LinuxLaufwerke, KopierenOhneQuelleOderZielordnerScheitert)
{
    schreibe(QStringLiteral("vorlage"), "x");
    LinuxRemovableMedia m = medien();
    EXPECT_FALSE(m.copyFile(pfad(QStringLiteral("fehlt")), pfad(QStringLiteral("daten.txt"))));
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("daten.txt"))));
    EXPECT_FALSE(m.copyFile(pfad(QStringLiteral("vorlage")), pfad(QStringLiteral("abgezogen/daten.txt"))));
}

TEST(Mounttabelle, ZeileMitZusatzfeldernUndMaskiertenLeerzeichen)
{
    const auto eintrag = parseMountInfoLine(QStringLiteral(
        "36 35 8:17 / /media/anna/MEINE\\040KARTE rw,nosuid,nodev shared:5 master:1 - vfat /dev/sdb1 rw,fmask=0022"));
    ASSERT_TRUE(eintrag);
    EXPECT_EQ(eintrag->deviceNumber, QStringLiteral("8:17"));
    EXPECT_EQ(eintrag->mountPoint, QStringLiteral("/media/anna/MEINE KARTE"));
    EXPECT_EQ(eintrag->source, QStringLiteral("/dev/sdb1"));
    EXPECT_FALSE(parseMountInfoLine(QStringLiteral("kaputt")));
    EXPECT_FALSE(parseMountInfoLine(QStringLiteral("36 35 8:17 / /mnt rw shared:5")));
}

namespace {

// Stands in for the disk service: formats (or refuses) and mounts the medium where it is told.
class Formatierer : public MediumFormatter {
public:
    Formatierer(bool formatiert, QString wurzel) : ergebnis_{formatiert, std::move(wurzel)} {}
    Result format(const RemovableDrive&) override { return ergebnis_; }

private:
    Result ergebnis_;
};

} // namespace

TEST_F(LinuxLaufwerke, FormatiertesMediumWirdNichtNochEinmalGeleert)
{
    schreibe(QStringLiteral("neu/bleibt"), "x");
    const QString neu = pfad(QStringLiteral("neu")) + QLatin1Char('/');
    LinuxRemovableMedia m({}, std::make_unique<Formatierer>(true, neu));
    EXPECT_EQ(m.prepare({.root = pfad(QStringLiteral("alt")) + QLatin1Char('/')}), neu);
    EXPECT_TRUE(QFile::exists(neu + QStringLiteral("bleibt")));
}

TEST_F(LinuxLaufwerke, OhneFormatierenWirdDasMediumDortGeleertWoEsHaengt)
{
    schreibe(QStringLiteral("karte/alt.txt"), "x");
    const QString wurzel = pfad(QStringLiteral("karte")) + QLatin1Char('/');
    LinuxRemovableMedia m({}, std::make_unique<Formatierer>(false, wurzel));
    EXPECT_EQ(m.prepare({.root = wurzel}), wurzel);
    EXPECT_FALSE(QFile::exists(wurzel + QStringLiteral("alt.txt")));
}

TEST(UDisks, UnbekanntesGeraetBleibtUnformatiertUndEingehaengt)
{
    // Without the service, or for a device it does not know, nothing happens to the medium.
    UDisksFormatter formatierer;
    const MediumFormatter::Result ergebnis =
        formatierer.format({.root = QStringLiteral("/media/x/KARTE/"), .device = QStringLiteral("/dev/varno-gibt-es-nicht")});
    EXPECT_FALSE(ergebnis.formatted);
    EXPECT_EQ(ergebnis.root, QStringLiteral("/media/x/KARTE/"));
}
