#include "admin/SicherungStore.h"
#include "admin/ui/TF_Datensicherung.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "db/Database.h"
#include "logbuch/Sitzung.h"
#include "platform/FileOperations.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"
#include "support/ui/Programmstart.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A working directory whose logbook was lost; a backup of it lies elsewhere.
class FehlendeDatenbankTest : public Programmstart {
protected:
    void SetUp() override
    {
        Programmstart::SetUp();
        ASSERT_TRUE(QFile::remove(db.file()));
    }

    // Up to the backup window.
    TF_Datensicherung& starten()
    {
        Programmstart::starten();
        return *varno.datensicherung();
    }
};

} // namespace

TEST_F(FehlendeDatenbankTest, NurDasSicherungsfensterMitRuecksicherung)
{
    TF_Datensicherung& fenster = starten();
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral(
                  "Datenbank nicht gefunden. Sie können jetzt eine bestehende Datensicherung zurücksichern.")});
    ASSERT_TRUE(fenster.isVisible());
    EXPECT_FALSE(varno.hauptform()->isEnabled());
    EXPECT_FALSE(fenster.BtSicherung->isEnabled());
    EXPECT_TRUE(fenster.BtRueckSicherung->isEnabled());
    EXPECT_EQ(fenster.EDSVerz->text(), QDir::currentPath());
    EXPECT_EQ(varno.hauptform()->CbKFZ->count(), 0);
}

TEST_F(FehlendeDatenbankTest, RuecksicherungSetztDasProgrammFort)
{
    TF_Datensicherung& fenster = starten();
    ScriptedPrompts::get().answerPath(sicherung);
    fenster.BtRueckSicherung->click();

    EXPECT_TRUE(ScriptedPrompts::get().texts().contains(QStringLiteral("Die Rücksicherung war erfolgreich.")));
    EXPECT_TRUE(QFileInfo::exists(db.file()));
    EXPECT_TRUE(varno.sitzung().datenbankVorhanden());
    EXPECT_TRUE(fenster.BtSicherung->isEnabled());
    THauptform& haupt = *varno.hauptform();
    EXPECT_TRUE(haupt.CbKFZ->isEnabledTo(&haupt)); // the main window itself waits for the backup window
    EXPECT_GE(haupt.CbKFZ->findText(QStringLiteral("B-XY 1, Golf")), 0);

    QSignalSpy beenden(&fenster, &TF_Datensicherung::beenden);
    fenster.btSchliessen->click();
    EXPECT_EQ(beenden.count(), 0);
    EXPECT_TRUE(haupt.CbKFZ->isEnabled());
}

TEST_F(FehlendeDatenbankTest, NeueLeereDatenbankSetztDasProgrammFort)
{
    TF_Datensicherung& fenster = starten();
    ASSERT_TRUE(fenster.BtNeueDatenbank->isVisibleTo(&fenster));
    fenster.BtNeueDatenbank->click();

    EXPECT_TRUE(ScriptedPrompts::get().texts().contains(QStringLiteral("Eine neue, leere Datenbank wurde angelegt.")));
    EXPECT_TRUE(QFileInfo::exists(db.file()));
    EXPECT_TRUE(varno.sitzung().datenbankVorhanden());
    EXPECT_FALSE(fenster.isVisible());
    THauptform& haupt = *varno.hauptform();
    EXPECT_TRUE(haupt.isEnabled());
    EXPECT_EQ(haupt.CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(haupt.CbKFZ->findText(QStringLiteral("B-XY 1, Golf")), -1);
}

TEST_F(FehlendeDatenbankTest, SchliessenOhneDatenbankBeendetDasProgramm)
{
    // On its own, so that the request to end does not reach the test's application.
    Sitzung ohneDatenbank;
    TF_Datensicherung fenster{ohneDatenbank};
    QSignalSpy beenden(&fenster, &TF_Datensicherung::beenden);
    fenster.show();
    fenster.btSchliessen->click();
    EXPECT_EQ(beenden.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(db.file()));
}

TEST_F(FehlendeDatenbankTest, LogbuchImDatenordnerEntstehtNurDort)
{
    // An installed program: started from the home folder, its logbook lives in the data folder.
    QTemporaryDir home;
    const QString datenordner = QDir(home.path()).filePath(QStringLiteral("Varno"));
    ASSERT_TRUE(QDir().mkpath(datenordner));
    varno.sitzung().setLogbuch(QDir(datenordner).filePath(QStringLiteral("varno.db")));

    TF_Datensicherung& fenster = starten();
    EXPECT_EQ(fenster.EDSVerz->text(), datenordner);
    fenster.BtNeueDatenbank->click();

    EXPECT_TRUE(QFileInfo::exists(varno.sitzung().logbuch()));
    EXPECT_FALSE(QFileInfo::exists(db.file())) << "nothing is created in the working folder";
    EXPECT_EQ(varno.hauptform()->CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
}
