#include "start/Logbuchordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString logbuchIn(const QString& ordner)
{
    return QDir(ordner).filePath(QStringLiteral("varno.db"));
}

// Every file in the folder, hidden ones included.
QStringList inhalt(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(Logbuchordner, FehlendeOrdnerWerdenAngelegt)
{
    QTemporaryDir wurzel;
    const QString ordner = QDir(wurzel.path()).filePath(QStringLiteral("home/anna/.local/share/Varno"));
    EXPECT_EQ(logbuchordnerBereitstellen(logbuchIn(ordner)), std::nullopt);
    EXPECT_TRUE(QFileInfo(ordner).isDir());
    EXPECT_TRUE(inhalt(ordner).isEmpty()) << "the write check leaves nothing behind";
}

TEST(Logbuchordner, VorhandenerOrdnerBleibtWieEsIst)
{
    QTemporaryDir ordner;
    QFile logbuch(logbuchIn(ordner.path()));
    ASSERT_TRUE(logbuch.open(QIODevice::WriteOnly));
    logbuch.close();
    EXPECT_EQ(logbuchordnerBereitstellen(logbuch.fileName()), std::nullopt);
    EXPECT_EQ(inhalt(ordner.path()), QStringList{QStringLiteral("varno.db")});
}

TEST(Logbuchordner, NichtAnlegbarerOrdnerWirdGemeldet)
{
    QTemporaryDir wurzel;
    // A file stands where a folder would have to be created, which stops root as well.
    const QString datei = QDir(wurzel.path()).filePath(QStringLiteral("home"));
    QFile sperre(datei);
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    const QString ordner = datei + QStringLiteral("/anna/Varno");

    EXPECT_EQ(logbuchordnerBereitstellen(logbuchIn(ordner)),
              QStringLiteral("Der Ordner %1 für das Fahrtenbuch kann nicht angelegt werden. Varno wird beendet.")
                  .arg(ordner));
    EXPECT_EQ(inhalt(wurzel.path()), QStringList{QStringLiteral("home")});
}

TEST(Logbuchordner, NichtBeschreibbarerOrdnerWirdGemeldet)
{
    // Nobody, root included, creates files in /proc.
    EXPECT_EQ(
        logbuchordnerBereitstellen(QStringLiteral("/proc/varno.db")),
        QStringLiteral("In den Ordner /proc für das Fahrtenbuch kann nicht geschrieben werden. Varno wird beendet."));
}

TEST(Logbuchordner, OrdnerStattDateiWirdGemeldet)
{
    QTemporaryDir ordner;
    EXPECT_EQ(logbuchordnerBereitstellen(ordner.path()),
              QStringLiteral("%1 ist ein Ordner und kann nicht das Fahrtenbuch sein. Varno wird beendet.")
                  .arg(ordner.path()));
}
