#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Serveranmeldung.h"
#include "logbuch/Logbuch.h"
#include "support/FakeSchluesselbund.h"
#include "support/ScriptedPrompts.h"
#include "support/Servertest.h"
#include "support/Testserver.h"

#include <gtest/gtest.h>

// The login with the system's keyring. A login that works ends at the empty test database: the
// opening stops with LeereDatenbank.
namespace {

const QString speicherfrage = QStringLiteral("Passwort im Schlüsselbund des Systems speichern?");

class SchluesselbundAnmeldung : public Servertest<> {
protected:
    void SetUp() override
    {
        Servertest::SetUp();
        if (IsSkipped())
            return;
        adresse = testserver::passwortAdresse();
    }

    FakeSchluesselbund& mitGespeichertem(const QString& passwort)
    {
        FakeSchluesselbund& bund = FakeSchluesselbund::einsetzen(Schluesselbund::Nutzung::SpeichernAnbieten);
        bund.speichern(testserver::passwortZugang(), passwort);
        return bund;
    }
    void anmelden() { EXPECT_THROW(Logbuch::oeffnen(adresse), Logbuch::LeereDatenbank); }

    QString adresse;
};

} // namespace

TEST_F(SchluesselbundAnmeldung, GespeichertesPasswortWirdOhneFrageGenommen)
{
    FakeSchluesselbund& bund = mitGespeichertem(QStringLiteral("geheim"));
    anmelden();
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
    EXPECT_EQ(bund.einziges(), QStringLiteral("geheim"));
}

TEST_F(SchluesselbundAnmeldung, AbgelehntesGespeichertesWirdDurchDasGetippteErsetzt)
{
    FakeSchluesselbund& bund = mitGespeichertem(QStringLiteral("veraltet"));
    ScriptedPrompts::get().answerInput(QStringLiteral("geheim"));
    anmelden();
    const auto& gezeigt = ScriptedPrompts::get().shown();
    ASSERT_EQ(gezeigt.size(), 1U) << "keine Frage, ob das neue gespeichert werden soll: das alte war es schon";
    EXPECT_EQ(gezeigt[0].kind, QStringLiteral("password"));
    EXPECT_TRUE(gezeigt[0].text.startsWith(QStringLiteral("Das Passwort wurde abgelehnt.\n")));
    EXPECT_EQ(bund.einziges(), QStringLiteral("geheim"));
}

TEST_F(SchluesselbundAnmeldung, AbgelehntesGespeichertesGehtAuchBeiAbbruch)
{
    FakeSchluesselbund& bund = mitGespeichertem(QStringLiteral("veraltet"));
    ScriptedPrompts::get().answerInput(std::nullopt);
    EXPECT_THROW(Logbuch::oeffnen(adresse), DatabaseError);
    EXPECT_EQ(bund.einziges(), std::nullopt);
}

TEST_F(SchluesselbundAnmeldung, ServerOhnePasswortLiestDenSchluesselbundNicht)
{
    FakeSchluesselbund& bund = FakeSchluesselbund::einsetzen(Schluesselbund::Nutzung::SpeichernAnbieten);
    EXPECT_THROW(Logbuch::oeffnen(testserver::leereDatenbank()), Logbuch::LeereDatenbank);
    EXPECT_EQ(bund.nachgeschlagen(), 0);
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
}

namespace {

struct GetipptesPasswort {
    const char* name;
    Schluesselbund::Nutzung nutzung;
    std::optional<PromptAnswer> antwort; // none: not asked
    bool gespeichert;
};

class GetipptesPasswortAblegen : public SchluesselbundAnmeldung,
                                 public ::testing::WithParamInterface<GetipptesPasswort> {};

} // namespace

TEST_P(GetipptesPasswortAblegen, NurAufJaImSchluesselbund)
{
    const GetipptesPasswort& fall = GetParam();
    FakeSchluesselbund& bund = FakeSchluesselbund::einsetzen(fall.nutzung);
    ScriptedPrompts::get().answerInput(QStringLiteral("geheim"));
    if (fall.antwort)
        ScriptedPrompts::get().answer(*fall.antwort);
    anmelden();

    const auto& gezeigt = ScriptedPrompts::get().shown();
    ASSERT_EQ(gezeigt.size(), fall.antwort ? 2U : 1U);
    if (fall.antwort) {
        EXPECT_EQ(gezeigt[1].kind, QStringLiteral("ask"));
        EXPECT_EQ(gezeigt[1].title, QStringLiteral("Anmeldung am Datenbankserver"));
        EXPECT_EQ(gezeigt[1].text, speicherfrage);
        EXPECT_EQ(gezeigt[1].buttons, PromptButtons::YesNo);
    }
    EXPECT_EQ(bund.einziges(), fall.gespeichert ? std::optional(QStringLiteral("geheim")) : std::nullopt);

    // A second login of this run takes the password from memory.
    Database::schliessen();
    ScriptedPrompts::get().clear();
    anmelden();
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GetipptesPasswortAblegen,
    ::testing::Values(GetipptesPasswort{"Ja", Schluesselbund::Nutzung::SpeichernAnbieten, PromptAnswer::Yes, true},
                      GetipptesPasswort{"Nein", Schluesselbund::Nutzung::SpeichernAnbieten, PromptAnswer::No, false},
                      GetipptesPasswort{"Befehlszeile", Schluesselbund::Nutzung::NurLesen, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });
