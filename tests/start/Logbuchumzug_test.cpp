#include "start/Logbuchumzug.h"
#include "platform/PosixFileOperations.h"
#include "support/KopierenScheitert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

QByteArray lesen(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

class LogbuchumzugTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        schreiben(von, "logbuch");
        schreiben(von + QStringLiteral("-journal"), "journal");
    }

    QStringList datenordnerInhalt() const { return QDir(daten.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir arbeit;
    QTemporaryDir daten;
    const QString von = QDir(arbeit.path()).filePath(QStringLiteral("varno.db"));
    const QString nach = QDir(daten.path()).filePath(QStringLiteral("varno.db"));
    PosixFileOperations dateien;
};

} // namespace

TEST_F(LogbuchumzugTest, LogbuchZiehtMitSeinemJournalUm)
{
    // A write-ahead log at the target belongs to no logbook that is moved there.
    schreiben(nach + QStringLiteral("-wal"), "fremd");
    logbuchVerschieben(von, nach, dateien);
    EXPECT_EQ(lesen(nach), QByteArray("logbuch"));
    EXPECT_EQ(lesen(nach + QStringLiteral("-journal")), QByteArray("journal"));
    EXPECT_FALSE(QFileInfo::exists(nach + QStringLiteral("-wal")));
    EXPECT_TRUE(QDir(arbeit.path()).isEmpty(QDir::Files | QDir::Hidden));
}

TEST_F(LogbuchumzugTest, VorhandenesZielWirdNichtUeberschrieben)
{
    schreiben(nach, "anderes");
    EXPECT_THROW(logbuchVerschieben(von, nach, dateien), FileError);
    EXPECT_EQ(lesen(nach), QByteArray("anderes"));
    EXPECT_EQ(lesen(von), QByteArray("logbuch"));
}

TEST_F(LogbuchumzugTest, FehlschlagLaesstDasLogbuchWoEsWar)
{
    KopierenScheitert scheitert(QStringLiteral("-journal"));
    EXPECT_THROW(logbuchVerschieben(von, nach, scheitert), FileError);
    EXPECT_EQ(lesen(von), QByteArray("logbuch"));
    EXPECT_EQ(lesen(von + QStringLiteral("-journal")), QByteArray("journal"));
    EXPECT_EQ(datenordnerInhalt(), QStringList());
}
