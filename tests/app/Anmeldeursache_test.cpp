#include "app/Terminalfragen.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Serveradresse.h"
#include "db/Serveranmeldung.h"
#include "logbuch/Logbuch.h"
#include "support/FakeSchluesselbund.h"
#include "support/ScriptedPrompts.h"
#include "support/Servertest.h"
#include "support/Testserver.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A login that fails names its cause: no terminal to ask, a password from ~/.pgpass or the keyring
// refused, a typed one wrong.

namespace {

struct Anmeldefall {
    const char* name;
    const char* pgpass;      // the password ~/.pgpass holds; null: no file
    const char* gespeichert; // the keyring's password; null: none
    bool terminal;           // false: a command without a terminal
    int getippt;             // how many wrong passwords the user types, then cancels
    const char* ursache;
};

class Anmeldeursache : public Servertest<::testing::TestWithParam<Anmeldefall>> {
protected:
    void SetUp() override
    {
        Servertest::SetUp();
        if (IsSkipped())
            return;
        adresse = testserver::passwortAdresse();
        vorherPgpass = qgetenv("PGPASSFILE");
        qputenv("PGPASSFILE", QFile::encodeName(ordner.filePath(QStringLiteral("pgpass"))));
    }
    void TearDown() override
    {
        Servertest::TearDown();
        qputenv("PGPASSFILE", vorherPgpass);
        if (vorherePrompts)
            Prompts::install(std::move(vorherePrompts));
    }

    void pgpassSchreiben(const char* passwort)
    {
        const Serveradresse server = serveradresseLesen(adresse);
        QFile datei(ordner.filePath(QStringLiteral("pgpass")));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QStringLiteral("%1:%2:%3:%4:%5\n")
                        .arg(server.rechner)
                        .arg(server.port)
                        .arg(server.datenbank, server.benutzer, QString::fromUtf8(passwort))
                        .toUtf8());
        // libpq ignores a password file others may read.
        datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    QString adresse;
    QTemporaryDir ordner;
    QByteArray vorherPgpass;
    std::unique_ptr<Prompts> vorherePrompts;
};

} // namespace

TEST_P(Anmeldeursache, NenntDieUrsache)
{
    const Anmeldefall& fall = GetParam();
    if (fall.pgpass)
        pgpassSchreiben(fall.pgpass);
    if (fall.gespeichert)
        FakeSchluesselbund::einsetzen(Schluesselbund::Nutzung::NurLesen)
            .speichern(testserver::passwortZugang(), QString::fromUtf8(fall.gespeichert));
    if (!fall.terminal)
        vorherePrompts = Prompts::install(std::make_unique<Terminalfragen>(nullptr));
    for (int i = 0; i < fall.getippt; ++i)
        ScriptedPrompts::get().answerInput(QStringLiteral("falsch"));
    if (fall.terminal && fall.getippt < 3)
        ScriptedPrompts::get().answerInput(std::nullopt);

    try {
        Logbuch::oeffnen(adresse);
        FAIL() << "angemeldet";
    } catch (const Logbuch::LeereDatenbank&) {
        FAIL() << "angemeldet";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QString::fromUtf8(fall.ursache))) << fehler.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Anmeldeursache,
    ::testing::Values(
        Anmeldefall{"ohneTerminalOhnePasswort", nullptr, nullptr, false, 0,
                    "weder der Schlüsselbund des Systems noch ~/.pgpass hält eines, und ohne Terminal"},
        Anmeldefall{"falschesPgpassOhneTerminal", "falsch", nullptr, false, 0,
                    "das Passwort aus ~/.pgpass (oder PGPASSWORD) wurde abgelehnt, und ohne Terminal"},
        Anmeldefall{"falschesImSchluesselbundOhneTerminal", nullptr, "veraltet", false, 0,
                    "das Passwort aus dem Schlüsselbund des Systems wurde abgelehnt und dort entfernt, und ohne"},
        Anmeldefall{"falschesPgpassDannAbgebrochen", "falsch", nullptr, true, 0,
                    "abgebrochen; das Passwort aus ~/.pgpass (oder PGPASSWORD) wurde abgelehnt."},
        Anmeldefall{"abgebrochenOhneAnderes", nullptr, nullptr, true, 0,
                    "Die Anmeldung am Datenbankserver wurde abgebrochen."},
        Anmeldefall{"dreimalFalschGetippt", nullptr, nullptr, true, 3,
                    "3-mal fehlgeschlagen: das eingegebene Passwort wurde abgelehnt."}),
    [](const auto& info) { return std::string(info.param.name); });
