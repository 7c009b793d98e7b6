#include "platform/SecretToolSchluesselbund.h"
#include "support/SecretToolNachbau.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Lauf {
    int code = -1;
    QString aus;
    QString fehler;
};

// The program built beside the tests, started as a script would start it: no display at all.
Lauf varno(const QStringList& argumente)
{
    QProcess programm;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    programm.setProcessEnvironment(umgebung);
    programm.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("varno")), argumente);
    EXPECT_TRUE(programm.waitForFinished(60000));
    return {programm.exitCode(), QString::fromUtf8(programm.readAllStandardOutput()),
            QString::fromUtf8(programm.readAllStandardError())};
}

} // namespace

TEST(Programm, HilfeUndFalscheArgumente)
{
    const Lauf hilfe = varno({"export", "--help"});
    EXPECT_EQ(hilfe.code, 0);
    EXPECT_TRUE(hilfe.aus.startsWith(QStringLiteral("Aufruf: varno export --fahrzeug"))) << hilfe.aus.toStdString();

    const Lauf falsch = varno({"exportieren"});
    EXPECT_EQ(falsch.code, 2);
    EXPECT_EQ(falsch.fehler, QStringLiteral("varno: unbekannter Befehl „exportieren“ (Hilfe: varno --help)\n"));
    EXPECT_TRUE(falsch.aus.isEmpty());
}

TEST(Programm, BefehleLaufenOhneBildschirm)
{
    TestDatabase db;
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("jahr.pdf"));

    const Lauf export_ =
        varno({"export", "--datenbank", db.file(), "--fahrzeug", "Musterfahrzeug", "--jahr", "2006", "--pdf", pdf});
    const Lauf fehlschlag = varno({"sichern", ordner.filePath(QStringLiteral("fehlt")), "--datenbank", db.file()});

    EXPECT_EQ(export_.code, 0) << export_.fehler.toStdString();
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.read(5), QByteArray("%PDF-"));
    EXPECT_EQ(fehlschlag.code, 1);
    EXPECT_TRUE(fehlschlag.fehler.startsWith(QStringLiteral("varno sichern: Der Zielordner ")))
        << fehlschlag.fehler.toStdString();
}

TEST(Programm, BefehlNimmtDasPasswortAusDemSchluesselbund)
{
    if (!testserver::adresse())
        GTEST_SKIP() << testserver::fehlt;
    const QString adresse = testserver::passwortAdresse();
    const SecretToolNachbau werkzeug;
    ASSERT_TRUE(SecretToolSchluesselbund().speichern(testserver::passwortZugang(), QStringLiteral("geheim")));

    const Lauf pruefen = varno({"--datenbank", adresse, "pruefen"});
    // Logged in: what stops the check is the database without a logbook.
    EXPECT_TRUE(pruefen.fehler.contains(QStringLiteral("enthält kein Fahrtenbuch von Varno")))
        << pruefen.fehler.toStdString();
    const QStringList aufrufe = werkzeug.aufrufe();
    ASSERT_EQ(aufrufe.size(), 2) << aufrufe.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(aufrufe[1].startsWith(QStringLiteral("lookup application varno ")));
}
