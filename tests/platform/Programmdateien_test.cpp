#include "platform/Programmdateien.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Installed as under /usr: bin/varno and share/varno/ side by side.
TEST(Programmdateien, InstallationFindetShareVarno)
{
    QTemporaryDir praefix;
    const QDir wurzel(praefix.path());
    ASSERT_TRUE(wurzel.mkpath(QStringLiteral("bin")) && wurzel.mkpath(QStringLiteral("share/varno")));
    const QString programmordner = wurzel.filePath(QStringLiteral("bin"));
    EXPECT_TRUE(programmdateien::installiert(programmordner));
    EXPECT_EQ(programmdateien::ordner(programmordner), wurzel.filePath(QStringLiteral("share/varno")));
}

TEST(Programmdateien, BuildbaumHatSeineDateienBeimProgramm)
{
    const QString programmordner = QCoreApplication::applicationDirPath();
    EXPECT_FALSE(programmdateien::installiert(programmordner));
    EXPECT_EQ(programmdateien::datei(QStringLiteral("varno-cf.dat")),
              QDir(programmordner).filePath(QStringLiteral("varno-cf.dat")));
}
