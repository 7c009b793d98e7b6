#include "audit/Dienstadresse.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefbefehl.h"
#include "audit/Pruefstand.h"
#include "audit/ZeitstempelStore.h"
#include "audit/Zeitstempelanfrage.h"
#include "audit/Zeitstempelpruefung.h"
#include "common/Clock.h"
#include "common/VarnoError.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/OptionenStore.h"
#include "db/SqlStatement.h"
#include "network/Zeitstempeldienst.h"
#include "network/Zeitstempelung.h"
#include "support/TestDatabase.h"
#include "support/Testdienst.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray pruefwert(char fuellung)
{
    return QByteArray(pruefkette::wertLaenge, fuellung);
}

// A token of the service at `pfad` over `wert`.
QByteArray token(const QByteArray& wert, const QString& pfad = {})
{
    const Zeitstempelanfrage anfrage(wert);
    return anfrage.token(Zeitstempeldienst(QUrl(testdienst::adresse(pfad))).anfragen(anfrage.der()));
}

// ---- the token on its own

TEST(Zeitstempeltoken, DerDienstBestaetigtDenPruefwertMitSeinerZeit)
{
    DIENST_ERFORDERLICH();
    const QDateTime vorher = QDateTime::currentDateTimeUtc().addSecs(-2);
    const auto befund = zeitstempelpruefung::pruefen(token(pruefwert('a')), pruefwert('a'), testdienst::ca());
    EXPECT_TRUE(befund.gueltig) << befund.text.toStdString();
    EXPECT_EQ(befund.signierer, QStringLiteral("Varno Test-Zeitstempeldienst echt"));
    EXPECT_GE(befund.zeit, vorher);
    EXPECT_LE(befund.zeit, QDateTime::currentDateTimeUtc().addSecs(2));
}

TEST(Zeitstempeltoken, JedeAnfrageTraegtEineEigeneNonce)
{
    EXPECT_NE(Zeitstempelanfrage(pruefwert('a')).der(), Zeitstempelanfrage(pruefwert('a')).der());
}

TEST(Zeitstempeltoken, DieAntwortAufEineAndereAnfrageWirdAbgelehnt)
{
    DIENST_ERFORDERLICH();
    const Zeitstempelanfrage erste(pruefwert('a'));
    const Zeitstempelanfrage zweite(pruefwert('a'));
    const QByteArray antwort = Zeitstempeldienst(QUrl(testdienst::adresse())).anfragen(erste.der());
    try {
        zweite.token(antwort);
        FAIL() << "the answer to another request was taken";
    } catch (const VarnoError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QStringLiteral("gehört nicht zu dieser Anfrage")))
            << fehler.message().toStdString();
    }
}

struct Tokenfall {
    const char* name;
    std::function<QByteArray()> token;
    QByteArray geprueft; // the Prüfwert it is checked against
    const char* befund;
};

class Tokenpruefung : public ::testing::TestWithParam<Tokenfall> {};

TEST_P(Tokenpruefung, WirdAufDeutschVerworfen)
{
    DIENST_ERFORDERLICH();
    const auto befund = zeitstempelpruefung::pruefen(GetParam().token(), GetParam().geprueft, testdienst::ca());
    EXPECT_FALSE(befund.gueltig);
    EXPECT_TRUE(befund.text.contains(QString::fromUtf8(GetParam().befund))) << befund.text.toStdString();
}

QByteArray signaturVerfaelscht()
{
    QByteArray t = token(pruefwert('a'));
    // The signature is the token's last field.
    t[t.size() - 1] = static_cast<char>(t[t.size() - 1] ^ 0x01);
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Tokenpruefung,
    ::testing::Values(
        Tokenfall{"SignaturVerfaelscht", signaturVerfaelscht, pruefwert('a'), "die Signatur passt nicht zum Inhalt"},
        Tokenfall{"AndererWert", [] { return token(pruefwert('b')); }, pruefwert('a'), "gilt einem anderen Wert"},
        Tokenfall{"FremdeZertifizierungsstelle", [] { return token(pruefwert('a'), QStringLiteral("fremd")); },
                  pruefwert('a'), "führt nicht auf das Zertifikat"},
        Tokenfall{"KeinToken", [] { return QByteArray("kein Zeitstempel"); }, pruefwert('a'),
                  "kein lesbarer Zeitstempel"},
        Tokenfall{"AngehaengteBytes", [] { return token(pruefwert('a')) + QByteArray("x"); }, pruefwert('a'),
                  "kein lesbarer Zeitstempel"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Zeitstempeltoken, OhneEigenesZertifikatGeltenNurDieDesSystems)
{
    DIENST_ERFORDERLICH();
    const auto befund = zeitstempelpruefung::pruefen(token(pruefwert('a')), pruefwert('a'), QString());
    EXPECT_FALSE(befund.gueltig);
    EXPECT_TRUE(befund.text.contains(QStringLiteral("die Zertifikate des Systems (/etc/ssl/certs)")))
        << befund.text.toStdString();
}

// ---- the address in the options

struct Adressfall {
    const char* adresse;
    bool gilt;
};

class Dienstadresse : public ::testing::TestWithParam<Adressfall> {};

TEST_P(Dienstadresse, NurHttpUndHttpsMitRechner)
{
    const auto fehler = dienstadresse::fehler(QString::fromUtf8(GetParam().adresse));
    EXPECT_EQ(!fehler.has_value(), GetParam().gilt) << GetParam().adresse;
    if (fehler) {
        EXPECT_TRUE(fehler->contains(QStringLiteral("ist keine http- oder https-Adresse")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Dienstadresse,
    ::testing::Values(Adressfall{"", true}, Adressfall{"https://freetsa.org/tsr", true},
                      Adressfall{"http://127.0.0.1:8080/", true}, Adressfall{"HTTP://zeitstempel.dfn.de", true},
                      Adressfall{"ftp://freetsa.org/tsr", false}, Adressfall{"file:///etc/passwd", false},
                      Adressfall{"http://", false}, Adressfall{"javascript:alert(1)", false},
                      Adressfall{"freetsa.org/tsr", false}, Adressfall{" https://freetsa.org/tsr", false}));

// ---- requested, stored and checked in a logbook

// A logbook with three trips, stamped as a backup would be.
class Stempellogbuch {
protected:
    void anlegen()
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
        golf = build::fahrzeug();
        for (int tag : {1, 2, 3})
            build::maerzfahrt(golf, tag);
    }

    std::optional<zeitstempelung::Ergebnis> anfordern(std::chrono::milliseconds frist = std::chrono::seconds(10))
    {
        return zeitstempelung::anfordern({.koepfe = fahrtenbuchpruefung::pruefen().koepfe,
                                          .anlass = QStringLiteral("Datensicherung"),
                                          .datei = sicherung,
                                          .frist = frist});
    }

    // The command line's check; the logbook is open again afterwards.
    static pruefbefehl::Ergebnis pruefen()
    {
        const QString ort = Database::ort();
        Database::schliessen();
        pruefbefehl::Ergebnis ergebnis = pruefbefehl::ausfuehren(ort, std::nullopt);
        Logbuch::oeffnen(ort);
        return ergebnis;
    }

    static qint64 protokolleintraege() { return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"); }

    static QString zeitstempeleintragText()
    {
        SqlStatement s(QStringLiteral("SELECT Beschreibung FROM T_Protokoll WHERE Ereignis = 'Zeitstempel'"));
        s.exec();
        return s.next() ? s.text(QStringLiteral("Beschreibung")) : QString();
    }

    QTemporaryDir ordner;
    QString sicherung = ordner.filePath(QStringLiteral("20261211_080000.sav"));
    int golf = 0;
};

class Zeitstempelung : public BeideDatenbanken, protected Stempellogbuch {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (!IsSkipped())
            anlegen();
    }
    void TearDown() override
    {
        Clock::reset();
        BeideDatenbanken::TearDown();
    }
};

// A logbook file of its own for each case of a table.
template <typename Fall> class Stempelfall : public ::testing::TestWithParam<Fall>, protected Stempellogbuch {
protected:
    void SetUp() override { anlegen(); }
    void TearDown() override { Clock::reset(); }

    TestDatabase db;
};

TEST_P(Zeitstempelung, OhneDienstWirdNichtsAngefragt)
{
    EXPECT_FALSE(anfordern());
    EXPECT_TRUE(ZeitstempelStore::alle().empty());
}

TEST_P(Zeitstempelung, WirdVerkettetUndNebenDerDateiGespeichertUndGeprueft)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    const Pruefergebnis stand = fahrtenbuchpruefung::pruefen();
    const auto ergebnis = anfordern();
    ASSERT_TRUE(ergebnis);
    ASSERT_TRUE(ergebnis->gespeichert) << ergebnis->text.toStdString();
    EXPECT_TRUE(ergebnis->text.startsWith(QStringLiteral("Zeitstempel vom "))) << ergebnis->text.toStdString();

    const auto gespeichert = ZeitstempelStore::alle();
    ASSERT_EQ(gespeichert.size(), 1U);
    ASSERT_TRUE(gespeichert[0].zeitstempel);
    const Zeitstempel& z = *gespeichert[0].zeitstempel;
    EXPECT_EQ(z.pruefwert, pruefkette::gesamtwert(stand.koepfe));
    for (pruefkette::Kette kette : pruefkette::alleKetten)
        EXPECT_EQ(z.anzahl[pruefkette::index(kette)], stand.koepfe[pruefkette::index(kette)].anzahl);
    EXPECT_EQ(z.dienst, testdienst::adresse());
    EXPECT_TRUE(z.anlass.endsWith(QStringLiteral("20261211_080000.sav")));
    EXPECT_TRUE(zeitstempelpruefung::pruefen(z.token, z.pruefwert, testdienst::ca()).gueltig);

    // Beside the backup: the service's answer as it came, whose token is the stored one.
    QFile tsr(sicherung + QStringLiteral(".tsr"));
    ASSERT_TRUE(tsr.open(QIODevice::ReadOnly));
    EXPECT_TRUE(tsr.readAll().contains(z.token));

    // The stamp is a chained entry: the logbook still checks, and the check names it.
    build::maerzfahrt(golf, 4);
    const auto geprueft = pruefen();
    EXPECT_EQ(geprueft.rueckgabe, pruefbefehl::unveraendert) << geprueft.text.toStdString();
    EXPECT_TRUE(geprueft.text.contains(zeitstempeleintrag::vermerk(z) + QStringLiteral(" für Datensicherung ")))
        << geprueft.text.toStdString();
    EXPECT_TRUE(geprueft.text.contains(
        QStringLiteral("gültig – Signatur von „Varno Test-Zeitstempeldienst echt“ bestätigt, geprüft gegen das "
                       "Zertifikat %1.")
            .arg(testdienst::ca())))
        << geprueft.text.toStdString();
}

TEST_P(Zeitstempelung, DerBerichtNenntDenLetztenZeitstempel)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    Pruefstand stand;
    EXPECT_FALSE(stand.vermerk().contains(QStringLiteral("Zeitstempel")));
    ASSERT_TRUE(anfordern()->gespeichert);
    Clock::setFixed(Clock::now().addSecs(60));
    ASSERT_TRUE(anfordern()->gespeichert);
    const auto alle = ZeitstempelStore::alle();
    ASSERT_EQ(alle.size(), 2U);
    const QStringList zeilen = stand.vermerk().split(QLatin1Char('\n'));
    EXPECT_EQ(zeilen.last(), zeitstempeleintrag::vermerk(*alle[1].zeitstempel));
    EXPECT_TRUE(zeilen.last().endsWith(QStringLiteral(" (Dienst %1)").arg(testdienst::adresse())));
}

MIT_BEIDEN_DATENBANKEN(Zeitstempelung);

// ---- a service that gives no time stamp: a German message, nothing stored

struct Dienstfehler {
    const char* name;
    std::function<QString()> adresse;
    const char* meldung;
};

using Dienstversagen = Stempelfall<Dienstfehler>;

QString geschlossenerPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

TEST_P(Dienstversagen, MeldetDenGrundUndSpeichertNichts)
{
    DIENST_ERFORDERLICH();
    // A service that takes the connection and never answers.
    QTcpServer stumm;
    ASSERT_TRUE(stumm.listen(QHostAddress::LocalHost));
    const QString adresse = GetParam().adresse().replace(QStringLiteral("STUMM"), QString::number(stumm.serverPort()));
    OptionenStore::zeitstempelungSpeichern({.dienst = adresse, .zertifikat = testdienst::ca()});
    const qint64 vorher = protokolleintraege();

    const auto ergebnis = anfordern(std::chrono::seconds(1));
    ASSERT_TRUE(ergebnis);
    EXPECT_FALSE(ergebnis->gespeichert);
    EXPECT_TRUE(ergebnis->text.contains(QString::fromUtf8(GetParam().meldung))) << ergebnis->text.toStdString();
    EXPECT_TRUE(ergebnis->text.endsWith(QStringLiteral("Es wurde kein Zeitstempel gespeichert.")));
    EXPECT_EQ(protokolleintraege(), vorher);
    EXPECT_FALSE(QFile::exists(sicherung + QStringLiteral(".tsr")));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Dienstversagen,
    ::testing::Values(
        Dienstfehler{"GeschlossenerPort", geschlossenerPort, "Die Verbindung wurde abgelehnt."},
        Dienstfehler{"KeineAntwort", [] { return QStringLiteral("http://127.0.0.1:STUMM/"); },
                     "Er hat nicht innerhalb von 1 Sekunde geantwortet."},
        Dienstfehler{"Http500", [] { return testdienst::adresse(QStringLiteral("fehler")); },
                     "Er antwortete mit dem HTTP-Status 500"},
        Dienstfehler{"Unsinn", [] { return testdienst::adresse(QStringLiteral("unsinn")); },
                     "die Antwort ist keine Zeitstempel-Antwort."},
        Dienstfehler{"Abgelehnt", [] { return testdienst::adresse(QStringLiteral("abgelehnt")); },
                     "der Dienst hat die Anfrage abgelehnt („Message digest algorithm is not supported.“)."},
        Dienstfehler{"UnbekannteZertifizierungsstelle", [] { return testdienst::adresse(QStringLiteral("fremd")); },
                     "hält der Prüfung nicht stand: das Zertifikat des Dienstes"},
        Dienstfehler{"KeinHttp", [] { return QStringLiteral("ftp://127.0.0.1/"); },
                     "ist keine http- oder https-Adresse"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a stored time stamp that someone changed: the protocol's chain says so, and the check of the
// time stamps names what is wrong with it

struct Tokeneingriff {
    const char* name;
    std::function<QString(const QString& beschreibung)> aendern; // the entry's new description
    const char* befund;
};

using Tokenfaelschung = Stempelfall<Tokeneingriff>;

QString tokenErsetzt(const QString& beschreibung, const QByteArray& token)
{
    auto z = zeitstempeleintrag::lesen(beschreibung);
    z->token = token;
    return zeitstempeleintrag::beschreibung(*z);
}

TEST_P(Tokenfaelschung, FaelltDerPruefungAuf)
{
    DIENST_ERFORDERLICH();
    testdienst::einstellen();
    ASSERT_TRUE(anfordern()->gespeichert);
    const QString beschreibung = zeitstempeleintragText();
    const Tokeneingriff& eingriff = GetParam();
    SqlStatement(QStringLiteral("UPDATE T_Protokoll SET Beschreibung = ? WHERE Ereignis = 'Zeitstempel'"))
        .bind(eingriff.aendern(beschreibung))
        .exec();

    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("Protokoll, Eintrag vom 11.12.2026 08:00:00 (Zeitstempel): "
                                                      "nach dem Speichern verändert.")))
        << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QString::fromUtf8(eingriff.befund))) << ergebnis.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Tokenfaelschung,
    ::testing::Values(
        Tokeneingriff{"SignaturVerfaelscht",
                      [](const QString& b) {
                          QByteArray t = zeitstempeleintrag::lesen(b)->token;
                          t[t.size() - 1] = static_cast<char>(t[t.size() - 1] ^ 0x01);
                          return tokenErsetzt(b, t);
                      },
                      "ungültig – die Signatur passt nicht zum Inhalt"},
        Tokeneingriff{"TokenEinesAnderenWerts", [](const QString& b) { return tokenErsetzt(b, token(pruefwert('b'))); },
                      "ungültig – der Zeitstempel gilt einem anderen Wert"},
        Tokeneingriff{"TokenEinerFremdenStelle",
                      [](const QString& b) {
                          return tokenErsetzt(b,
                                              token(zeitstempeleintrag::lesen(b)->pruefwert, QStringLiteral("fremd")));
                      },
                      "ungültig – das Zertifikat des Dienstes („Varno Test-Zeitstempeldienst fremd“) führt nicht"},
        Tokeneingriff{"StandVerschoben",
                      [](const QString& b) {
                          auto z = zeitstempeleintrag::lesen(b);
                          z->anzahl[pruefkette::index(pruefkette::Kette::Fahrtenbuch)] -= 1;
                          return zeitstempeleintrag::beschreibung(*z);
                      },
                      "ungültig – dieser Stand ist im Fahrtenbuch nicht mehr enthalten."},
        Tokeneingriff{"KeinZeitstempel", [](const QString&) { return QStringLiteral("Zeit: gestern"); },
                      "ist kein lesbarer Zeitstempel."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
