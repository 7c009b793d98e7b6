#include "admin/ui/TF_Optionen.h"
#include "app/THauptform.h"
#include "start/Datenbankwahl.h"
#include "logbuch/OptionenStore.h"
#include "db/SqlStatement.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Tastenkuerzel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int gespeichert(const char* spalte)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT %1 FROM T_Optionen").arg(QLatin1String(spalte)));
}

class OptionenTest : public ::testing::Test {
protected:
    // Shows the dialog as the main window does; showing reads the options row.
    void zeigen()
    {
        dialog.show();
        dialog.hide();
    }

    TestDatabase db;
    TF_Optionen dialog;
};

struct AnzeigeFall {
    int tFahrt;
    int V;
    const char* fahrtdauer; // "" = nothing selected
    const char* geschwindigkeit;
};

class OptionenAnzeige : public OptionenTest, public ::testing::WithParamInterface<AnzeigeFall> {};

} // namespace

TEST_P(OptionenAnzeige, GespeicherteWerteWaehlenEintraege)
{
    const AnzeigeFall fall = GetParam();
    build::optionen(QStringLiteral("tFahrt"), fall.tFahrt);
    build::optionen(QStringLiteral("V"), fall.V);
    zeigen();
    EXPECT_EQ(dialog.cbTFahrt->currentText(), QString::fromUtf8(fall.fahrtdauer));
    EXPECT_EQ(dialog.cbV->currentText(), QString::fromUtf8(fall.geschwindigkeit));
    EXPECT_FALSE(dialog.btUebernehmen->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Faelle, OptionenAnzeige,
                         ::testing::Values(AnzeigeFall{8, 90, "8 h", "90 km/h"},
                                           AnzeigeFall{1, 50, "1 h", "50 km/h"},
                                           AnzeigeFall{24, 150, "24 h", "150 km/h"},
                                           AnzeigeFall{10, 95, "10 h", "150 km/h"},
                                           AnzeigeFall{0, 40, "", "150 km/h"},
                                           AnzeigeFall{25, 1300, "", "150 km/h"},
                                           AnzeigeFall{100, 130, "", "130 km/h"}));

TEST_F(OptionenTest, UnbekannteGeschwindigkeitWirdAls150Gespeichert)
{
    build::optionen(QStringLiteral("V"), 95);
    zeigen();
    dialog.btOK->click();
    EXPECT_EQ(gespeichert("V"), 150);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionenTest, UnbekannteFahrtdauerBehaeltVorigeAuswahl)
{
    zeigen();
    EXPECT_EQ(dialog.cbTFahrt->currentText(), QStringLiteral("10 h"));
    build::optionen(QStringLiteral("tFahrt"), 30);
    zeigen();
    EXPECT_EQ(dialog.cbTFahrt->currentText(), QStringLiteral("10 h"));
}

TEST_F(OptionenTest, OhneAuswahlWirdFahrtdauerNullGespeichert)
{
    build::optionen(QStringLiteral("tFahrt"), 0);
    zeigen();
    ASSERT_EQ(dialog.cbTFahrt->currentIndex(), -1);
    dialog.btOK->click();
    EXPECT_EQ(gespeichert("tFahrt"), 0);
}

TEST_F(OptionenTest, OkSpeichertAlleVierWerte)
{
    zeigen();
    dialog.cbxMusterKFZ->click();
    dialog.cbxLKFZ->click();
    dialog.cbTFahrt->setCurrentIndex(dialog.cbTFahrt->findText(QStringLiteral("3 h")));
    dialog.cbV->setCurrentIndex(dialog.cbV->findText(QStringLiteral("60 km/h")));
    dialog.btOK->click();
    const OptionenStore::Einstellungen werte = OptionenStore::lesen();
    EXPECT_EQ(werte.Muster, -1);
    EXPECT_EQ(werte.lKFZ, 0);
    EXPECT_EQ(werte.tFahrt, 3);
    EXPECT_EQ(werte.V, 60);
}

TEST_F(OptionenTest, AnUndAbhakenGibtUebernehmenFreiAbbrechenSpeichertNichts)
{
    zeigen();
    dialog.cbxMusterKFZ->click();
    dialog.cbxMusterKFZ->click();
    EXPECT_TRUE(dialog.btUebernehmen->isEnabled());
    dialog.cbxLKFZ->click();
    dialog.btAbbrechen->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(gespeichert("lKFZ"), 1);
    EXPECT_EQ(gespeichert("Muster"), 0);
}

TEST_F(OptionenTest, ListenwechselGibtUebernehmenFrei)
{
    zeigen();
    dialog.cbV->setCurrentIndex(0);
    EXPECT_TRUE(dialog.btUebernehmen->isEnabled());
}

TEST_F(OptionenTest, UebernehmenSpeichertUndSperrtSichWieder)
{
    dialog.show();
    dialog.cbxLKFZ->click();
    dialog.btUebernehmen->click();
    EXPECT_EQ(gespeichert("lKFZ"), 0);
    EXPECT_FALSE(dialog.btUebernehmen->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
    dialog.hide();
}

class LetztesFahrzeugNachOptionen : public OptionenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LetztesFahrzeugNachOptionen, WirktBeimNaechstenAktivieren)
{
    const bool letztesZeigen = GetParam();
    build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2")});
    THauptform haupt{db.sitzung()};
    haupt.setZiele({.optionen = &dialog});
    haupt.FormShow();
    QEvent aktivierung(QEvent::WindowActivate);
    QApplication::sendEvent(&haupt, &aktivierung);
    haupt.CbKFZ->setCurrentIndex(haupt.CbKFZ->findText(QStringLiteral("Z-ZWEI 2")));
    haupt.CbKFZChange(haupt.CbKFZ->currentIndex());

    // The menu item opens the dialog modally; the user sets the option and presses OK.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.cbxLKFZ->setChecked(letztesZeigen);
        dialog.btOK->click();
    });
    QAction* optionen = nullptr;
    for (QAction* action : haupt.menuBar()->findChildren<QAction*>())
        if (ohneKuerzel(action->text()) == QStringLiteral("Optionen"))
            optionen = action;
    ASSERT_NE(optionen, nullptr);
    ASSERT_TRUE(optionen->isEnabled());
    optionen->trigger();
    QApplication::sendEvent(&haupt, &aktivierung);

    EXPECT_EQ(haupt.CbKFZ->currentText(),
              letztesZeigen ? QStringLiteral("Z-ZWEI 2") : QStringLiteral("Musterfahrzeug"));
}

INSTANTIATE_TEST_SUITE_P(Faelle, LetztesFahrzeugNachOptionen, ::testing::Bool());

// --- Datenbank ---

class OptionenDatenbank : public OptionenTest {
protected:
    void SetUp() override { QFile::remove(Datenbankwahl::datei()); }
    void TearDown() override { QFile::remove(Datenbankwahl::datei()); }
};

TEST_F(OptionenDatenbank, LokalIstVorgewaehltUndDieServerfelderGesperrt)
{
    zeigen();
    EXPECT_TRUE(dialog.rbLokal->isChecked());
    EXPECT_EQ(dialog.gbDatenbank->title(), QStringLiteral("Datenbank"));
    EXPECT_EQ(ohneKuerzel(dialog.rbServer->text()), QStringLiteral("Server (PostgreSQL)"));
    EXPECT_FALSE(dialog.eRechner->isEnabled());
    EXPECT_EQ(dialog.ePort->text(), QStringLiteral("5432"));
    dialog.rbServer->click();
    EXPECT_TRUE(dialog.eRechner->isEnabled());
    EXPECT_TRUE(dialog.btUebernehmen->isEnabled());
}

TEST_F(OptionenDatenbank, ServerWirdFuerDenNaechstenStartGemerkt)
{
    zeigen();
    dialog.rbServer->click();
    dialog.eRechner->setText(QStringLiteral("buero"));
    dialog.ePort->setText(QStringLiteral("6000"));
    dialog.eDatenbank->setText(QStringLiteral("fahrtenbuch"));
    dialog.eBenutzer->setText(QStringLiteral("anna"));
    dialog.btOK->click();

    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Die Datenbankwahl gilt ab dem nächsten Start von Varno.")});
    const Datenbankwahl wahl = Datenbankwahl::laden();
    EXPECT_TRUE(wahl.server);
    EXPECT_EQ(wahl.adresse.text(), QStringLiteral("postgresql://anna@buero:6000/fahrtenbuch"));
    zeigen();
    EXPECT_TRUE(dialog.rbServer->isChecked());
    EXPECT_EQ(dialog.eDatenbank->text(), QStringLiteral("fahrtenbuch"));
}

TEST_F(OptionenDatenbank, FalscherPortWirdGemeldetUndNichtsGespeichert)
{
    zeigen();
    dialog.cbxLKFZ->click();
    dialog.rbServer->click();
    dialog.eRechner->setText(QStringLiteral("buero"));
    dialog.ePort->setText(QStringLiteral("99999"));
    dialog.eDatenbank->setText(QStringLiteral("fahrtenbuch"));
    const int lKFZ = gespeichert("lKFZ");
    dialog.btUebernehmen->click();

    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Der Port muss eine Zahl von 1 bis 65535 sein.")});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(Datenbankwahl::laden(), Datenbankwahl{});
    EXPECT_EQ(gespeichert("lKFZ"), lKFZ);
    EXPECT_TRUE(dialog.btUebernehmen->isEnabled());
}

// ---- the time-stamping service of the logbook

struct Zeitstempelfall {
    const char* name;
    const char* dienst;
    bool zertifikatDa;   // an existing file or one that is missing
    const char* meldung; // "" = stored
};

class OptionenZeitstempel : public OptionenTest, public ::testing::WithParamInterface<Zeitstempelfall> {};

TEST_P(OptionenZeitstempel, GueltigesWirdGespeichertFalschesGemeldet)
{
    const Zeitstempelfall& fall = GetParam();
    const QString zertifikat = db.directory() + QStringLiteral("/tsa.pem");
    if (fall.zertifikatDa) {
        QFile datei(zertifikat);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    zeigen();
    dialog.cbxLKFZ->click();
    dialog.eZeitstempeldienst->setText(QString::fromUtf8(fall.dienst));
    dialog.eZeitstempelzertifikat->setText(zertifikat);
    const int lKFZ = gespeichert("lKFZ");
    dialog.btOK->click();

    const OptionenStore::Zeitstempelung gespeicherteWahl = OptionenStore::zeitstempelung();
    if (*fall.meldung == '\0') {
        EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
        EXPECT_EQ(gespeicherteWahl.dienst, QString::fromUtf8(fall.dienst));
        EXPECT_EQ(gespeicherteWahl.zertifikat, zertifikat);
        return;
    }
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QString::fromUtf8(fall.meldung).replace(QStringLiteral("%1"), zertifikat)});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_TRUE(dialog.isVisible() || dialog.result() != QDialog::Accepted);
    EXPECT_EQ(gespeicherteWahl.dienst, QString());
    EXPECT_EQ(gespeichert("lKFZ"), lKFZ);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, OptionenZeitstempel,
    ::testing::Values(Zeitstempelfall{"Https", "https://freetsa.org/tsr", true, ""},
                      Zeitstempelfall{"Http", "http://zeitstempel.dfn.de", true, ""},
                      Zeitstempelfall{"Ftp", "ftp://freetsa.org/tsr", true,
                                      "Die Adresse des Zeitstempeldienstes „ftp://freetsa.org/tsr“ ist keine http- "
                                      "oder https-Adresse (zum Beispiel https://freetsa.org/tsr)."},
                      Zeitstempelfall{"OhneSchema", "freetsa.org", true,
                                      "Die Adresse des Zeitstempeldienstes „freetsa.org“ ist keine http- oder "
                                      "https-Adresse (zum Beispiel https://freetsa.org/tsr)."},
                      Zeitstempelfall{"ZertifikatFehlt", "https://freetsa.org/tsr", false,
                                      "Die Zertifikatsdatei %1 gibt es nicht."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionenTest, ZertifikatWirdAusgewaehlt)
{
    zeigen();
    ScriptedPrompts::get().answerPath(QStringLiteral("/etc/ssl/certs/ca-certificates.crt"));
    dialog.btZertifikat->click();
    EXPECT_EQ(dialog.eZeitstempelzertifikat->text(), QStringLiteral("/etc/ssl/certs/ca-certificates.crt"));
    EXPECT_TRUE(dialog.btUebernehmen->isEnabled());
    dialog.btUebernehmen->click();
    EXPECT_EQ(OptionenStore::zeitstempelung().zertifikat, QStringLiteral("/etc/ssl/certs/ca-certificates.crt"));
}
