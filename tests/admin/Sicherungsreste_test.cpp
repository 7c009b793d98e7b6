#include "admin/SicherungStore.h"
#include "platform/FileOperations.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

// A backup killed halfway leaves its temporary file and SQLite's journal in the backup folder;
// the next backup into that folder clears them, and only them.

namespace {

// The id of a process that has ended.
qint64 beendeterProzess()
{
    const pid_t kind = ::fork();
    if (kind == 0)
        ::_exit(0);
    ::waitpid(kind, nullptr, 0);
    return kind;
}

void anlegen(const QString& pfad)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Rest");
}

} // namespace

TEST(Sicherungsreste, DieNaechsteSicherungEntferntNurDieResteBeendeterProzesse)
{
    TestDatabase db;
    QTemporaryDir ablage;
    const QDir ordner(ablage.path());
    const QString toterRest = QStringLiteral("20060101_120000.sav.varno-%1.Ab12Cd.tmp").arg(beendeterProzess());
    const QString lebenderRest =
        QStringLiteral("20060101_120001.sav.varno-%1.Xy34Zw.tmp").arg(QCoreApplication::applicationPid());
    const QStringList fremd{QStringLiteral("notizen.tmp"), QStringLiteral("20051231_235959.sav"),
                            QStringLiteral("bericht.varno-1.tmp")};
    for (const QString& name : QStringList{toterRest, toterRest + "-journal", lebenderRest} + fremd)
        anlegen(ordner.filePath(name));

    const QString ziel = ordner.filePath(QStringLiteral("20060105_090307.sav"));
    SicherungStore::sichern(ziel, FileOperations::system());

    QStringList erwartet = fremd;
    erwartet << lebenderRest << QStringLiteral("20060105_090307.sav");
    erwartet.sort();
    EXPECT_EQ(ordner.entryList(QDir::Files | QDir::Hidden, QDir::Name), erwartet);
}

TEST(Sicherungsreste, TemporaereDateiTraegtDieProzessnummer)
{
    QTemporaryDir ablage;
    const QString ziel = QDir(ablage.path()).filePath(QStringLiteral("20060105_090307.sav"));
    const QString temporaer = FileOperations::system().createTemporaryBeside(ziel);
    EXPECT_TRUE(QFileInfo(temporaer).fileName().startsWith(
        QStringLiteral("20060105_090307.sav.varno-%1.").arg(QCoreApplication::applicationPid())))
        << temporaer.toStdString();
    EXPECT_TRUE(temporaer.endsWith(QStringLiteral(".tmp")));
}
