#include "Befehlslauf.h"

#include "admin/ui/TF_Datensicherung.h"
#include "app/Befehle.h"
#include "app/Varno.h"
#include "audit/ZeitstempelStore.h"
#include "common/Clock.h"
#include "logbuch/OptionenStore.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/Testdienst.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString pdfText(const QString& pfad)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString geschlossenerPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
}

// Where a backup or an export asks the time-stamping service: the command line and the window.
class Zeitstempelstellen : public ::testing::Test {
protected:
    Zeitstempelstellen()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
        build::optionen(QStringLiteral("DS_Pfad"), ordner.path() + QLatin1Char('/'));
        for (int tag : {1, 2})
            build::maerzfahrt(golf, tag);
    }
    ~Zeitstempelstellen() override { Clock::reset(); }

    QString datei(const QString& name) const { return QDir::toNativeSeparators(ordner.filePath(name)); }

    TestDatabase db;
    QTemporaryDir ordner;
    int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
};

} // namespace

TEST_F(Zeitstempelstellen, SichernUndPruefenAufDerBefehlszeile)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    const Lauf lauf = varno({"sichern", ordner.path()});
    const QString sicherung = datei("20060601_100005.sav");
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.isEmpty()) << lauf.fehler.toStdString();
    const QRegularExpression gemeldet(
        QStringLiteral("^Gesichert: %1\nZeitstempel vom \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d \\(Dienst %2\\) "
                       "gespeichert, auch als %1\\.tsr\\.\n$")
            .arg(QRegularExpression::escape(sicherung), QRegularExpression::escape(testdienst::adresse())));
    EXPECT_TRUE(gemeldet.match(lauf.aus).hasMatch()) << lauf.aus.toStdString();
    EXPECT_GT(QFile(sicherung + QStringLiteral(".tsr")).size(), 0);
    EXPECT_TRUE(QFile::exists(sicherung + QStringLiteral(".pruefwerte.txt")));

    const Lauf pruefung = varno({"pruefen"});
    EXPECT_EQ(pruefung.code, 0) << pruefung.aus.toStdString();
    EXPECT_TRUE(pruefung.aus.contains(QStringLiteral("für Datensicherung %1 (Stand: ").arg(sicherung)))
        << pruefung.aus.toStdString();
    EXPECT_TRUE(pruefung.aus.contains(QStringLiteral("): gültig – Signatur von „Varno Test-Zeitstempeldienst echt“")))
        << pruefung.aus.toStdString();
}

TEST_F(Zeitstempelstellen, OhneDienstIstDieSicherungGeschriebenUndDerGrundGesagt)
{
    const QString adresse = geschlossenerPort();
    OptionenStore::zeitstempelungSpeichern({.dienst = adresse});
    const Lauf lauf = varno({"sichern", ordner.path()});
    const QString sicherung = datei("20060601_100005.sav");
    EXPECT_EQ(lauf.code, Befehle::erfolg);
    EXPECT_EQ(lauf.aus, QStringLiteral("Gesichert: %1\n").arg(sicherung));
    EXPECT_EQ(lauf.fehler, QStringLiteral("varno sichern: Der Zeitstempeldienst %1 hat keinen Zeitstempel geliefert. "
                                          "Die Verbindung wurde abgelehnt. Es wurde kein Zeitstempel gespeichert.\n")
                               .arg(adresse));
    EXPECT_TRUE(QFile::exists(sicherung));
    EXPECT_FALSE(QFile::exists(sicherung + QStringLiteral(".tsr")));
    EXPECT_TRUE(ZeitstempelStore::alle().empty());
}

TEST_F(Zeitstempelstellen, DasJahresfahrtenbuchWirdGestempeltUndSeinBerichtNenntDenLetztenStempel)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    ASSERT_EQ(varno({"sichern", ordner.path()}).code, Befehle::erfolg);
    const auto gesichert = ZeitstempelStore::alle();
    ASSERT_EQ(gesichert.size(), 1U);

    const Lauf lauf = varno({"export", "--fahrzeug", "B-XY 1, Golf", "--jahr", "2006", "--pdf", datei("j.pdf")});
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("auch als %1.tsr.").arg(datei("j.pdf")))) << lauf.aus.toStdString();
    EXPECT_GT(QFile(datei("j.pdf.tsr")).size(), 0);
    const auto alle = ZeitstempelStore::alle();
    ASSERT_EQ(alle.size(), 2U);
    EXPECT_TRUE(alle[1].zeitstempel->anlass.startsWith(QStringLiteral("Jahresfahrtenbuch ")));
    // The report was laid out before its own stamp came: its footer names the backup's.
    const QString text = pdfText(datei("j.pdf")).simplified();
    EXPECT_TRUE(text.contains(zeitstempeleintrag::vermerk(*gesichert[0].zeitstempel).simplified())) << text.toStdString();
}

TEST_F(Zeitstempelstellen, DieSicherungImFensterWirdGestempelt)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    Varno programm(db.file());
    programm.starten(false);
    programm.datensicherung()->show();
    programm.datensicherung()->BtSicherung->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Die Datensicherung war erfolgreich.")});
    EXPECT_GT(QFile(datei("20060601_100005.sav.tsr")).size(), 0);
    EXPECT_EQ(ZeitstempelStore::alle().size(), 1U);
}

TEST_F(Zeitstempelstellen, EinVersagenDesDienstesImFensterWirdGesagtUndDieSicherungBleibt)
{
    const QString adresse = geschlossenerPort();
    OptionenStore::zeitstempelungSpeichern({.dienst = adresse});
    Varno programm(db.file());
    programm.starten(false);
    programm.datensicherung()->show();
    programm.datensicherung()->BtSicherung->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              (QStringList{QStringLiteral("Der Zeitstempeldienst %1 hat keinen Zeitstempel geliefert. Die Verbindung "
                                          "wurde abgelehnt. Es wurde kein Zeitstempel gespeichert. Die Datensicherung "
                                          "selbst ist geschrieben.")
                               .arg(adresse),
                           QStringLiteral("Die Datensicherung war erfolgreich.")}));
    EXPECT_TRUE(QFile::exists(datei("20060601_100005.sav")));
    EXPECT_FALSE(QFile::exists(datei("20060601_100005.sav.tsr")));
}
