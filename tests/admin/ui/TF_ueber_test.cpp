#include "admin/ui/TF_ueber.h"
#include "logbuch/Sitzung.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The version the program prints for `varno --version`, built beside the tests.
QString versionDesProgramms()
{
    QProcess programm;
    programm.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("varno")),
                   {QStringLiteral("--version")});
    EXPECT_TRUE(programm.waitForFinished(30000));
    const QString ausgabe = QString::fromLocal8Bit(programm.readAllStandardOutput()).trimmed();
    EXPECT_TRUE(ausgabe.startsWith(QStringLiteral("Varno "))) << ausgabe.toStdString();
    return ausgabe.mid(6);
}

} // namespace

TEST(Ueber, ZeigtDieVersionDesProgrammsBeimAktivieren)
{
    const Sitzung sitzung{QStringLiteral("varno.db")};
    TF_ueber box{sitzung};
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Infos über Varno"));
    EXPECT_TRUE(box.LVersion->text().isEmpty());
    QEvent aktivierung(QEvent::WindowActivate);
    QApplication::sendEvent(&box, &aktivierung);

    const QString version = box.LVersion->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch())
        << version.toStdString();
    EXPECT_EQ(version, versionDesProgramms());
    EXPECT_EQ(version, QCoreApplication::applicationVersion());
}

TEST(Ueber, ZeigtEinBildUndSchliesst)
{
    const Sitzung sitzung{QStringLiteral("varno.db")};
    TF_ueber box{sitzung};
    box.show();
    EXPECT_FALSE(box.Image1->pixmap().isNull());
    box.BtSchliessen->click();
    EXPECT_FALSE(box.isVisible());
}

TEST(Ueber, ZeigtWoDasLogbuchLiegt)
{
    const Sitzung sitzung{QStringLiteral("/home/anna/.local/share/Varno/varno.db")};
    TF_ueber box{sitzung};
    QEvent aktivierung(QEvent::WindowActivate);
    QApplication::sendEvent(&box, &aktivierung);
    EXPECT_EQ(box.LDatenbank->text(), sitzung.logbuch());
}
