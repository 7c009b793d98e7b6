#include "Befehlslauf.h"
#include "Pruefungslogbuch.h"
#include "ReportTestSupport.h"

#include "app/Befehle.h"
#include "app/THauptform.h"
#include "audit/Ankerdatei.h"
#include "audit/ZeitstempelStore.h"
#include "common/Clock.h"
#include "logbuch/OptionenStore.h"
#include "db/SqlStatement.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList eintraege(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString ohneLeerraum(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// The PDF's text with every line break and run of blanks made one blank, so sentences the layout
// wrapped are found whole.
QString fliesstext(const QString& pdf)
{
    return reporttest::pdfText(pdf).simplified();
}

class Pruefunterlagen : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (IsSkipped())
            return;
        Clock::setFixed(QDateTime(QDate(2026, 2, 1), QTime(10, 0)));
        logbuch_ = Pruefungslogbuch::fuellen();
    }
    void TearDown() override
    {
        Clock::reset();
        BeideDatenbanken::TearDown();
    }

    Lauf befehl(QStringList argumente) { return varno(argumente << QStringLiteral("--datenbank") << db().ort()); }
    QString pfad(const QString& name) { return QDir(db().directory()).filePath(name); }

    Pruefungslogbuch logbuch_;
};

TEST_P(Pruefunterlagen, VerfahrensdokumentationNenntAbschnitteUndZahlenDesFahrtenbuchs)
{
    const QString sicherungen = pfad(QStringLiteral("sicherungen"));
    ASSERT_TRUE(QDir().mkpath(sicherungen));
    ASSERT_EQ(befehl({QStringLiteral("sichern"), sicherungen}).code, Befehle::erfolg);
    const Lauf lauf = befehl({QStringLiteral("verfahrensdokumentation"), pfad(QStringLiteral("vd.pdf"))});
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();

    const QString text = fliesstext(pfad(QStringLiteral("vd.pdf")));
    for (const char* abschnitt :
         {"1. Allgemeines", "2. Ablage des Fahrtenbuchs", "3. Erfassung der Fahrten",
          "4. Korrekturen und Stornierungen", "5. Prüfkette", "6. Prüfwertanker und Zeitstempel", "7. Datensicherung",
          "8. Benutzer", "9. Zeitraum", "10. Kontrollen und Freigabe"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(abschnitt))) << abschnitt;
    const QString engine =
        db().art() == Datenbankart::PostgreSQL ? QStringLiteral("(PostgreSQL)") : QStringLiteral("(SQLite)");
    for (const QString& zahl :
         {engine, QStringLiteral("K-AB 1: 3 Fahrten"), QStringLiteral("K-CD 2: 1 Fahrten"),
          QStringLiteral("Musterfahrzeug: 0 Fahrten"), QStringLiteral("als Rohfahrt (bisher 2)"),
          QStringLiteral("1 Korrekturen, 1 Stornierungen"), QStringLiteral("Fahrten vom 30.12.2024 bis 01.05.2025"),
          QStringLiteral("Stand vom 01.02.2026"), QStringLiteral("[Vom Unternehmen zu ergänzen: Name und Anschrift]"),
          QStringLiteral("Fahrtenbuch geprüft: unverändert"),
          QStringLiteral("(RFC 3161): in den Optionen ist kein Dienst eingestellt.")})
        EXPECT_TRUE(text.contains(zahl)) << zahl.toStdString() << "\n" << text.toStdString();
    // Hand and card vehicles are told apart.
    EXPECT_LT(text.indexOf(QStringLiteral("K-CD 2: 1 Fahrten")),
              text.indexOf(QStringLiteral("Fahrzeuge mit Handeingabe")));
    EXPECT_GT(text.indexOf(QStringLiteral("K-AB 1: 3 Fahrten")),
              text.indexOf(QStringLiteral("Fahrzeuge mit Handeingabe")));

    SqlStatement benutzer(QStringLiteral("SELECT DISTINCT Benutzer FROM T_MIREL WHERE Benutzer IS NOT NULL"));
    benutzer.exec();
    while (benutzer.next())
        EXPECT_TRUE(text.contains(benutzer.value(0).toString() + QStringLiteral(": "))) << text.toStdString();
    // The backup with the full Prüfwert its anchor keeps, however the layout wraps the digits.
    const auto anker = Ankerdatei(Ankerdatei::benutzerdatei()).lesen().anker;
    const auto sicherung = std::find_if(anker.begin(), anker.end(),
                                        [](const Anker& a) { return a.anlass == QLatin1String("Datensicherung"); });
    ASSERT_NE(sicherung, anker.end());
    EXPECT_TRUE(ohneLeerraum(text).contains(QStringLiteral("Datensicherung,Prüfwert") +
                                            QString::fromLatin1(sicherung->pruefwert.toHex().toUpper())))
        << text.toStdString();
}

TEST_P(Pruefunterlagen, VerfahrensdokumentationNenntDenDienstUndDenLetztenZeitstempel)
{
    const QString dienst = QStringLiteral("http://127.0.0.1:9/tsr");
    OptionenStore::zeitstempelungSpeichern({dienst, {}});
    Zeitstempel zeitstempel;
    zeitstempel.dienst = dienst;
    zeitstempel.anlass = QStringLiteral("Datensicherung");
    zeitstempel.pruefwert = QByteArray(32, '\x01');
    zeitstempel.token = QByteArrayLiteral("\x30\x00");
    for (int tag : {3, 17}) {
        zeitstempel.zeit = QDateTime(QDate(2026, 1, tag), QTime(8, 0), Qt::UTC);
        ZeitstempelStore::speichern(zeitstempel);
    }
    const Lauf lauf = befehl({QStringLiteral("verfahrensdokumentation"), pfad(QStringLiteral("vd.pdf"))});
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();

    const QString text = fliesstext(pfad(QStringLiteral("vd.pdf")));
    for (const QString& erwartet :
         {QStringLiteral("eingestellter Dienst: ") + dienst, QStringLiteral("Im Fahrtenbuch stehen 2 Zeitstempel."),
          QStringLiteral("Zuletzt: ") + zeitstempeleintrag::vermerk(zeitstempel)})
        EXPECT_TRUE(text.contains(erwartet)) << erwartet.toStdString() << "\n" << text.toStdString();
}

TEST_P(Pruefunterlagen, ExportFuerDieBetriebspruefungVonDerBefehlszeile)
{
    const Lauf lauf = befehl({QStringLiteral("export"), QStringLiteral("--betriebspruefung"),
                              pfad(QStringLiteral("bp")), QStringLiteral("--jahr"), QStringLiteral("2025"),
                              QStringLiteral("--fahrzeug"), Pruefungslogbuch::kartenkennzeichen});
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.aus.startsWith(QStringLiteral("Geschrieben: ")));
    for (const char* datei : {"index.xml", "gdpdu-01-09-2004.dtd", "fahrtenbuch.csv", "rohfahrten.csv", "protokoll.csv",
                              "anker.csv", "zeitstempel.csv", "fahrzeuge.csv"})
        EXPECT_TRUE(QFileInfo::exists(QDir(pfad(QStringLiteral("bp"))).filePath(QString::fromLatin1(datei)))) << datei;
}

// Bad input leaves the folder as it was: a German line on stderr and nothing written.
struct Falscheingabe {
    const char* name;
    QStringList argumente; // ZIEL stands for the target folder
    int code;
    const char* meldung;
};

class FalscheBetriebspruefung : public ::testing::TestWithParam<Falscheingabe> {
protected:
    FalscheBetriebspruefung() { Clock::setFixed(QDateTime(QDate(2026, 2, 1), QTime(10, 0))); }
    ~FalscheBetriebspruefung() override { Clock::reset(); }

    TestDatabase db;
};

TEST_P(FalscheBetriebspruefung, WirdAbgelehntOhneEtwasZuSchreiben)
{
    Pruefungslogbuch::fuellen();
    const QString ziel = QDir(db.directory()).filePath(QStringLiteral("bp"));
    ASSERT_TRUE(QDir().mkpath(ziel));
    QFile fremd(QDir(ziel).filePath(QStringLiteral("notiz.txt")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.close();
    const QStringList vorher = eintraege(db.directory());
    QStringList argumente;
    for (const QString& a : GetParam().argumente)
        argumente << QString(a).replace(QStringLiteral("ZIEL"), ziel);

    const Lauf lauf = varno(argumente);

    EXPECT_EQ(lauf.code, GetParam().code);
    EXPECT_TRUE(lauf.fehler.startsWith(QString::fromUtf8(GetParam().meldung).replace(QStringLiteral("ZIEL"), ziel)))
        << lauf.fehler.toStdString();
    EXPECT_EQ(eintraege(db.directory()), vorher);
    EXPECT_EQ(eintraege(ziel), QStringList{QStringLiteral("notiz.txt")});
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FalscheBetriebspruefung,
    ::testing::Values(Falscheingabe{"OrdnerNichtLeer",
                                    {"export", "--betriebspruefung", "ZIEL", "--jahr", "2025"},
                                    Befehle::fehlschlag,
                                    "varno export: Der Ordner ZIEL ist nicht leer."},
                      Falscheingabe{"JahrKeineZahl",
                                    {"export", "--betriebspruefung", "ZIEL/neu", "--jahr", "20x5"},
                                    Befehle::falscheArgumente,
                                    "varno export: „--jahr“: „20x5“ ist kein Jahr von 2002 bis 2026"},
                      Falscheingabe{"JahrInDerZukunft",
                                    {"export", "--betriebspruefung", "ZIEL/neu", "--jahr", "2027"},
                                    Befehle::falscheArgumente,
                                    "varno export: „--jahr“: „2027“ ist kein Jahr"},
                      Falscheingabe{"MitCsv",
                                    {"export", "--betriebspruefung", "ZIEL/neu", "--jahr", "2025", "--csv", "x.csv"},
                                    Befehle::falscheArgumente,
                                    "varno export: „--csv“ und „--betriebspruefung“ schließen sich aus"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Pruefunterlagen, VerfahrensdokumentationAusDemMenueExtras)
{
    THauptform fenster{db().sitzung()};
    QAction* eintrag = nullptr;
    for (QAction* action : fenster.menuBar()->findChildren<QAction*>())
        if (action->text() == QStringLiteral("&Verfahrensdokumentation …"))
            eintrag = action;
    ASSERT_NE(eintrag, nullptr);
    ASSERT_TRUE(eintrag->isEnabled());
    ScriptedPrompts::get().answerPath(pfad(QStringLiteral("vd")));
    eintrag->trigger();
    ASSERT_EQ(ScriptedPrompts::get().texts().size(), 1);
    EXPECT_TRUE(ScriptedPrompts::get().texts().front().startsWith(
        QStringLiteral("Die Verfahrensdokumentation wurde geschrieben:")));
    EXPECT_TRUE(fliesstext(pfad(QStringLiteral("vd.pdf"))).contains(QStringLiteral("1 Korrekturen, 1 Stornierungen")));
}

} // namespace

MIT_BEIDEN_DATENBANKEN(Pruefunterlagen);
