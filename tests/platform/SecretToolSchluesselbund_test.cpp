#include "platform/SecretToolSchluesselbund.h"
#include "support/SecretToolNachbau.h"

#include <gtest/gtest.h>

namespace {

const Schluesselbund::Zugang anna{QStringLiteral("buero:5432"), QStringLiteral("fahrtenbuch"), QStringLiteral("anna")};
const Schluesselbund::Zugang bernd{QStringLiteral("buero:5432"), QStringLiteral("fahrtenbuch"),
                                   QStringLiteral("bernd")};

} // namespace

TEST(SecretToolSchluesselbund, SpeichertFindetUndVergisstOhnePasswortAufDerBefehlszeile)
{
    const SecretToolNachbau werkzeug;
    SecretToolSchluesselbund bund;
    ASSERT_TRUE(bund.verfuegbar());

    const QString passwort = QStringLiteral("gehe im 7ß");
    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_TRUE(bund.speichern(anna, passwort));
    EXPECT_EQ(bund.nachschlagen(anna), passwort);
    EXPECT_EQ(bund.nachschlagen(bernd), std::nullopt);
    bund.vergessen(anna);
    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_TRUE(bund.verfuegbar()) << "nichts gefunden heißt nicht: kein Schlüsselbund";

    const QStringList aufrufe = werkzeug.aufrufe();
    ASSERT_EQ(aufrufe.size(), 6);
    EXPECT_EQ(aufrufe[1], QStringLiteral("store --label=Varno: Datenbank anna@buero:5432/fahrtenbuch application "
                                         "varno server buero:5432 datenbank fahrtenbuch benutzer anna"));
    EXPECT_EQ(aufrufe[4],
              QStringLiteral("clear application varno server buero:5432 datenbank fahrtenbuch benutzer anna"));
    for (const QString& aufruf : aufrufe)
        EXPECT_FALSE(aufruf.contains(QStringLiteral("gehe"))) << aufruf.toStdString();
}

namespace {

struct KeinSchluesselbund {
    const char* name;
    const char* skript; // null: no secret-tool at all
    std::chrono::milliseconds wartezeit;
};

class OhneSchluesselbund : public ::testing::TestWithParam<KeinSchluesselbund> {};

} // namespace

TEST_P(OhneSchluesselbund, GiltAlsNichtDaUndWirdNichtWiederGefragt)
{
    const SecretToolNachbau werkzeug(GetParam().skript);
    SecretToolSchluesselbund bund(GetParam().wartezeit);

    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_FALSE(bund.verfuegbar());
    EXPECT_FALSE(bund.speichern(anna, QStringLiteral("geheim")));
    EXPECT_EQ(werkzeug.aufrufe().size(), GetParam().skript ? 1 : 0)
        << "ein Schlüsselbund, der versagt, wird nur einmal gefragt";
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, OhneSchluesselbund,
    ::testing::Values(KeinSchluesselbund{"NichtInstalliert", nullptr, SecretToolSchluesselbund::standardwartezeit},
                      KeinSchluesselbund{"DienstFehlt",
                                         "#!/bin/sh\necho \"$*\" >> \"$(dirname \"$0\")/aufrufe\"\n"
                                         "echo 'Cannot autolaunch D-Bus without X11 $DISPLAY' >&2\n"
                                         "exit 1\n",
                                         SecretToolSchluesselbund::standardwartezeit},
                      KeinSchluesselbund{"HaengtFest",
                                         "#!/bin/sh\necho \"$*\" >> \"$(dirname \"$0\")/aufrufe\"\nexec sleep 30\n",
                                         // time enough for the script to log its call even on a busy machine
                                         std::chrono::milliseconds(1000)}),
    [](const auto& info) { return std::string(info.param.name); });
