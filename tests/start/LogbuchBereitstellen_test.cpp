#include "start/Logbuchstart.h"
#include "start/Logbuchort.h"
#include "platform/PosixFileOperations.h"
#include "support/KopierenScheitert.h"
#include "support/ScriptedPrompts.h"

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

// An installed program's first start: the data folder does not exist yet, and the working
// folder still holds the logbook of earlier starts.
class LogbuchBereitstellenTest : public ::testing::Test {
protected:
    void SetUp() override { schreiben(alt, "altes Logbuch"); }

    const ScriptedPrompts::Shown& frage() const { return ScriptedPrompts::get().shown().front(); }

    QTemporaryDir arbeitsordner;
    QTemporaryDir home;
    const QString datenordner = QDir(home.path()).filePath(QStringLiteral(".local/share/Varno"));
    const QString alt = QDir(arbeitsordner.path()).filePath(QStringLiteral("varno.db"));
    const Logbuchort ort{.datei = QDir(datenordner).filePath(QStringLiteral("varno.db")), .altesLogbuch = alt};
    PosixFileOperations dateien;
};

class VerschiebenAntwort : public LogbuchBereitstellenTest, public ::testing::WithParamInterface<PromptAnswer> {};

} // namespace

TEST_F(LogbuchBereitstellenTest, OhneAltesLogbuchWirdNurDerOrdnerAngelegt)
{
    EXPECT_TRUE(logbuchBereitstellen({.datei = ort.datei}, dateien));
    EXPECT_TRUE(QFileInfo(datenordner).isDir());
    EXPECT_FALSE(QFileInfo::exists(ort.datei));
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
}

TEST_P(VerschiebenAntwort, FragtEinmalUndVerschiebtNurAufJa)
{
    const bool ja = GetParam() == PromptAnswer::Yes;
    ScriptedPrompts::get().answer(GetParam());
    EXPECT_TRUE(logbuchBereitstellen(ort, dateien));

    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    EXPECT_EQ(frage().title, QStringLiteral("Fahrtenbuch verschieben"));
    EXPECT_EQ(frage().buttons, PromptButtons::YesNo);
    EXPECT_EQ(frage().text,
              QStringLiteral("Im Arbeitsordner liegt ein Fahrtenbuch:\n%1\n\nVarno führt das Fahrtenbuch jetzt im "
                             "Ordner\n%2\n\nSoll es dorthin verschoben werden? Sonst bleibt die Datei, wo sie ist, und "
                             "Varno benutzt sie nicht.")
                  .arg(alt, datenordner));
    EXPECT_EQ(QFileInfo::exists(ort.datei), ja);
    EXPECT_EQ(QFileInfo::exists(alt), !ja);
}

INSTANTIATE_TEST_SUITE_P(Faelle, VerschiebenAntwort, ::testing::Values(PromptAnswer::Yes, PromptAnswer::No));

TEST_F(LogbuchBereitstellenTest, GescheitertesVerschiebenBeendetOhneVerlust)
{
    KopierenScheitert scheitert(QStringLiteral("varno.db"));
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    EXPECT_FALSE(logbuchBereitstellen(ort, scheitert));
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 2u);
    const ScriptedPrompts::Shown& meldung = ScriptedPrompts::get().shown().back();
    EXPECT_EQ(meldung.icon, PromptIcon::Error);
    EXPECT_EQ(meldung.text, QStringLiteral("Das Fahrtenbuch konnte nicht verschoben werden:\nDer Datenträger ist "
                                           "voll.\n\nVarno wird beendet."));
    EXPECT_TRUE(QFileInfo::exists(alt));
    EXPECT_FALSE(QFileInfo::exists(ort.datei));
}

TEST_F(LogbuchBereitstellenTest, UnbrauchbarerOrdnerBeendetMitMeldungUndFragtNicht)
{
    // A file stands where the data folder would have to be created.
    schreiben(QDir(home.path()).filePath(QStringLiteral(".local")), "");
    EXPECT_FALSE(logbuchBereitstellen(ort, dateien));
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    const ScriptedPrompts::Shown& meldung = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(meldung.icon, PromptIcon::Error);
    EXPECT_EQ(meldung.title, QStringLiteral("Fehler"));
    EXPECT_EQ(meldung.text,
              QStringLiteral("Der Ordner %1 für das Fahrtenbuch kann nicht angelegt werden. Varno wird beendet.")
                  .arg(datenordner));
    EXPECT_TRUE(QFileInfo::exists(alt));
}
