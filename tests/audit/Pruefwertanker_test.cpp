#include "audit/Ankerdatei.h"
#include "audit/Pruefbefehl.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "support/Kettenangriffe.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <functional>

namespace {

QStringList zeilen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void schreiben(const QString& pfad, const QStringList& zeilen)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write((zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

Anker anker(int n)
{
    return {QDateTime(QDate(2026, 12, n), QTime(9, n), QTimeZone::utc()),
            QStringLiteral("Prüfung"),
            QByteArray(pruefkette::wertLaenge, static_cast<char>(n)),
            {n, 2 * n, 3 * n},
            QStringLiteral("/home/anna/Fahrten\tbuch %1.db").arg(n)};
}

// How often a file was closed after reading and after writing, as the kernel reports it. Opens
// are watched too: the kernel merges an event with the same one queued right before it.
class Dateizugriffe {
public:
    explicit Dateizugriffe(const QString& pfad)
        : inotify_(inotify_init1(IN_NONBLOCK)),
          beobachtet_(inotify_add_watch(inotify_, QFile::encodeName(pfad).constData(),
                                        IN_OPEN | IN_CLOSE_NOWRITE | IN_CLOSE_WRITE))
    {
    }
    ~Dateizugriffe() { close(inotify_); }
    Dateizugriffe(const Dateizugriffe&) = delete;
    Dateizugriffe& operator=(const Dateizugriffe&) = delete;

    bool bereit() const { return inotify_ >= 0 && beobachtet_ >= 0; }

    struct Anzahl {
        int gelesen = 0;
        int geschrieben = 0;
    };
    // The closes since the last call.
    Anzahl abholen()
    {
        Anzahl anzahl;
        alignas(inotify_event) char puffer[4096];
        for (ssize_t laenge; (laenge = read(inotify_, puffer, sizeof puffer)) > 0;)
            for (ssize_t i = 0; i < laenge;) {
                const auto* ereignis = reinterpret_cast<const inotify_event*>(puffer + i);
                anzahl.gelesen += (ereignis->mask & IN_CLOSE_NOWRITE) != 0;
                anzahl.geschrieben += (ereignis->mask & IN_CLOSE_WRITE) != 0;
                i += static_cast<ssize_t>(sizeof(inotify_event) + ereignis->len);
            }
        return anzahl;
    }

private:
    int inotify_;
    int beobachtet_;
};

// ---- the anchor file on its own

class Ankerdateitest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 3; ++n)
            datei.anhaengen(anker(n));
    }

    QTemporaryDir ordner;
    Ankerdatei datei{ordner.filePath(QStringLiteral("unter/pruefwerte.txt"))};
};

TEST_F(Ankerdateitest, GibtDieAngehaengtenAnkerZurueck)
{
    const Ankerdatei::Inhalt inhalt = datei.lesen();
    EXPECT_FALSE(inhalt.schaden) << inhalt.schaden->toStdString();
    ASSERT_EQ(inhalt.anker.size(), 3U);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(inhalt.anker[static_cast<std::size_t>(n - 1)], anker(n));
}

struct Eingriff {
    const char* name;
    std::function<void(QStringList&)> aendern;
    int ersteBeschaedigteZeile;
};

class Ankereingriff : public Ankerdateitest, public ::testing::WithParamInterface<Eingriff> {};

TEST_P(Ankereingriff, WirdMitDerZeileGenanntUndSperrtDasAnhaengen)
{
    QStringList inhalt = zeilen(datei.pfad());
    GetParam().aendern(inhalt);
    schreiben(datei.pfad(), inhalt);

    const Ankerdatei::Inhalt gelesen = datei.lesen();
    ASSERT_TRUE(gelesen.schaden);
    EXPECT_TRUE(
        gelesen.schaden->startsWith(QStringLiteral("Zeile %1 der Datei ").arg(GetParam().ersteBeschaedigteZeile)))
        << gelesen.schaden->toStdString();
    EXPECT_EQ(gelesen.anker.size(), static_cast<std::size_t>(GetParam().ersteBeschaedigteZeile - 1));
    EXPECT_THROW(datei.anhaengen(anker(4)), VarnoError);
    EXPECT_EQ(zeilen(datei.pfad()), inhalt);
}

INSTANTIATE_TEST_SUITE_P(
    Eingriffe, Ankereingriff,
    ::testing::Values(
        Eingriff{"MittlereZeileEntfernt", [](QStringList& z) { z.removeAt(1); }, 2},
        Eingriff{"ErsteZeileEntfernt", [](QStringList& z) { z.removeFirst(); }, 1},
        Eingriff{"AnzahlVerkleinert",
                 [](QStringList& z) { z[1].replace(QStringLiteral("\t4\t6\t"), QStringLiteral("\t3\t6\t")); }, 2},
        Eingriff{"ZeilenVertauscht", [](QStringList& z) { z.swapItemsAt(1, 2); }, 2},
        Eingriff{"ZeileVerdoppelt", [](QStringList& z) { z.insert(1, z[1]); }, 3},
        Eingriff{"KeineAnkerzeile", [](QStringList& z) { z[2] = QStringLiteral("Prüfwert 1A2B"); }, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a logbook checked against its anchors

class Pruefwertanker : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (IsSkipped())
            return;
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        for (int tag : {1, 2, 3})
            fahrt(tag);
    }
    void TearDown() override
    {
        Clock::reset();
        BeideDatenbanken::TearDown();
    }

    void fahrt(int tag) { build::maerzfahrt(golf, tag); }

    // The command line's check; the logbook is open again afterwards.
    pruefbefehl::Ergebnis pruefen(const std::optional<QString>& anker = std::nullopt)
    {
        Database::schliessen();
        pruefbefehl::Ergebnis ergebnis = pruefbefehl::ausfuehren(db().ort(), std::nullopt, anker);
        Logbuch::oeffnen(db().ort());
        return ergebnis;
    }

    static QStringList eigeneAnker() { return zeilen(Ankerdatei::benutzerdatei()); }

    int golf = 0;
};

const QString nichtMehrEnthalten = QStringLiteral("ist in diesem Fahrtenbuch nicht mehr enthalten");

TEST_P(Pruefwertanker, JedePruefungHaeltDenStandFestUndBestaetigtDenVorigen)
{
    const auto erste = pruefen();
    ASSERT_EQ(erste.rueckgabe, pruefbefehl::unveraendert);
    EXPECT_TRUE(erste.text.contains(QStringLiteral("ist für dieses Fahrtenbuch noch kein Stand festgehalten.")))
        << erste.text.toStdString();
    ASSERT_EQ(eigeneAnker().size(), 1);
    fahrt(4);
    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("(Prüfung, 6 Einträge, Prüfwert ")))
        << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("ist unverändert enthalten."))) << ergebnis.text.toStdString();
    EXPECT_EQ(eigeneAnker().size(), 2);
}

// The check reads the user's anchors once and uses what it found for the new anchor too; the
// append reads them once more under its lock, to chain on the last line.
TEST_P(Pruefwertanker, EinePruefungLiestDieEigenenAnkerEinmal)
{
    ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
    fahrt(4);
    Dateizugriffe zugriffe(Ankerdatei::benutzerdatei());
    ASSERT_TRUE(zugriffe.bereit());
    const auto ergebnis = pruefen();
    const Dateizugriffe::Anzahl anzahl = zugriffe.abholen();
    ASSERT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_EQ(anzahl.gelesen, 2);
    EXPECT_EQ(anzahl.geschrieben, 1);
    EXPECT_EQ(eigeneAnker().size(), 2);
}

struct Zuruecksetzen {
    const char* name;
    void (*angriff)();
};

// What no check inside the file finds, the anchor finds; and a state that lost the anchored one
// is never anchored itself.
TEST_P(Pruefwertanker, GekuerzteUndNeuBerechneteKettenFallenGegenDenAnkerAuf)
{
    for (const Zuruecksetzen& fall : {Zuruecksetzen{"gekürzt", kettenangriff::letzteFahrtWegnehmen},
                                      Zuruecksetzen{"neu berechnet", kettenangriff::ketteNeuBerechnen}}) {
        SCOPED_TRACE(fall.name);
        fahrt(5);
        ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
        const QStringList festgehalten = eigeneAnker();
        fall.angriff();

        const auto ergebnis = pruefen();
        EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert) << ergebnis.text.toStdString();
        EXPECT_TRUE(ergebnis.text.contains(nichtMehrEnthalten)) << ergebnis.text.toStdString();
        EXPECT_TRUE(ergebnis.text.startsWith(QStringLiteral("Alle "))) << "inside the file all looks sound";
        EXPECT_EQ(eigeneAnker(), festgehalten);
        // Until the anchors are given up, no later check passes either.
        EXPECT_EQ(pruefen().rueckgabe, pruefbefehl::veraendert);
        QFile::remove(Ankerdatei::benutzerdatei());
    }
}

TEST_P(Pruefwertanker, DieKopieDesSteuerberatersPrueftUnabhaengigVonDerEigenen)
{
    ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
    QTemporaryDir berater;
    const QString kopie = berater.filePath(QStringLiteral("pruefwerte.txt"));
    ASSERT_TRUE(QFile::copy(Ankerdatei::benutzerdatei(), kopie));
    EXPECT_EQ(pruefen(kopie).rueckgabe, pruefbefehl::unveraendert);

    kettenangriff::letzteFahrtWegnehmen();
    QFile::remove(Ankerdatei::benutzerdatei()); // the taxpayer's own record is gone
    EXPECT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
    const auto ergebnis = pruefen(kopie);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ergebnis.text.contains(nichtMehrEnthalten)) << ergebnis.text.toStdString();

    const auto ohneDatei = pruefen(berater.filePath(QStringLiteral("fehlt.txt")));
    EXPECT_EQ(ohneDatei.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ohneDatei.text.contains(QStringLiteral("fehlt.txt gibt es nicht."))) << ohneDatei.text.toStdString();
}

TEST_P(Pruefwertanker, EineBeschaedigteEigeneDateiWirdGenanntAberNichtZumBefund)
{
    ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
    schreiben(Ankerdatei::benutzerdatei(), {QStringLiteral("kein Anker")});
    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("Zeile 1 der Datei"))) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("Der Prüfwert konnte nicht in "))) << ergebnis.text.toStdString();
}

MIT_BEIDEN_DATENBANKEN(Pruefwertanker);

// A file put in place of the logbook: an older copy of the same logbook.
class Pruefwertankerdatei : public Pruefwertanker {};

TEST_P(Pruefwertankerdatei, EineAeltereDateiAnSeinerStelleFaelltAuf)
{
    ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);
    Database::schliessen();
    const QString alt = db().directory() + QStringLiteral("/alt.db");
    ASSERT_TRUE(QFile::copy(db().file(), alt));
    Logbuch::oeffnen(db().ort());
    fahrt(6);
    ASSERT_EQ(pruefen().rueckgabe, pruefbefehl::unveraendert);

    Database::schliessen();
    ASSERT_TRUE(QFile::remove(db().file()));
    ASSERT_TRUE(QFile::copy(alt, db().file()));
    Logbuch::oeffnen(db().ort());
    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ergebnis.text.contains(nichtMehrEnthalten)) << ergebnis.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Datenbank, Pruefwertankerdatei, ::testing::Values(Datenbankart::SQLite), datenbankName);

} // namespace
