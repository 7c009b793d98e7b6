#include "common/Clock.h"
#include "logbuch/kette/Kettenanhang.h"
#include "logbuch/kette/Pruefkette.h"
#include "db/Rohabfrage.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <limits>

using pruefkette::Kette;

namespace {

void text(pruefkette::Zeile& zeile, const QString& wert)
{
    const QByteArray utf8 = wert.toUtf8();
    zeile.text(utf8.constData(), utf8.size());
}

} // namespace

// The values were computed outside the program (Python's hashlib over the bytes the format
// describes), so a change of the format cannot go unnoticed.
TEST(Pruefkette, WertFolgtDerBeschriebenenFolgeVonBytes)
{
    pruefkette::Zeile zeile(Kette::Protokoll);
    zeile.zahl(1);
    text(zeile, QStringLiteral("2006-03-10 12:00:00"));
    text(zeile, QStringLiteral("Korrektur"));
    text(zeile, QStringLiteral("Grund: Tippfehler ä"));
    zeile.zahl(7);
    const QByteArray erster = zeile.pruefwert(pruefkette::ohneVorgaenger());
    EXPECT_EQ(erster.toHex(), QByteArray("f2f01e6d733eebee1700acd4b9a16ccd0d8cfa34057b0a28299876368a574fec"));

    pruefkette::Zeile fahrt(Kette::Fahrtenbuch);
    fahrt.zahl(-5);
    fahrt.null();
    text(fahrt, QStringLiteral(""));
    EXPECT_EQ(fahrt.pruefwert(erster).toHex(),
              QByteArray("a6c7209ed1dece51b96d8a4a50c040876fddbdf23c5f0a285a3283365a58e251"));

    pruefkette::Koepfe koepfe;
    koepfe[pruefkette::index(Kette::Protokoll)] = {1, erster};
    // Printed: the first 128 bits in groups of four; the 16 digits printed before begin it.
    EXPECT_EQ(pruefkette::anzeige(pruefkette::gesamtwert(koepfe)),
              QStringLiteral("6FDD 22AC 7792 3FC8 BAA1 10BC 1F18 BA59"));
    EXPECT_EQ(pruefkette::vollanzeige(pruefkette::gesamtwert(koepfe)),
              QStringLiteral("6FDD 22AC 7792 3FC8 BAA1 10BC 1F18 BA59 7EAB 6892 BF06 7159 6B8A 43C3 7982 9F56"));
}

// Fields of every kind, with a text far longer than a usual row, give the documented bytes; the
// next row starts again from the table name.
TEST(Pruefkette, JedeFeldartAuchLangeTexteErgibtDieBeschriebenenBytes)
{
    const QByteArray lang = QStringLiteral("Kunde Müller, Angebot; ").toUtf8().repeated(300);
    const QByteArray blob("\x00\x01\xff\n", 4);
    const QByteArray vorgaenger(pruefkette::wertLaenge, '\x5a');
    const auto felder = [&](pruefkette::Zeile& zeile) {
        zeile.zahl(std::numeric_limits<qint64>::min());
        zeile.text(lang.constData(), lang.size());
        zeile.kommazahl(0.1);
        zeile.blob(blob.constData(), blob.size());
        zeile.null();
    };
    const QByteArray erwartet = "T_Protokoll\ni-9223372036854775808\nt" + QByteArray::number(lang.size()) + ':' +
                                lang + "\nr0.10000000000000001\nb4:" + blob + "\n-\n" + vorgaenger;

    pruefkette::Zeile zeile(Kette::Protokoll);
    felder(zeile);
    EXPECT_EQ(zeile.abschliessen(vorgaenger), erwartet);
    felder(zeile);
    EXPECT_EQ(zeile.pruefwert(vorgaenger), QCryptographicHash::hash(erwartet, QCryptographicHash::Sha256));
    zeile.zahl(1);
    EXPECT_EQ(zeile.abschliessen(vorgaenger), "T_Protokoll\ni1\n" + vorgaenger);
}

// The order of the columns is part of every stored value: an auditor recomputes it from the
// documented lists, and a logbook stored with one order fails under another.
TEST(Pruefkette, SpaltenfolgeIstDieDokumentierte)
{
    EXPECT_EQ(pruefkette::spaltenliste(pruefkette::Kette::Fahrtenbuch),
              QStringLiteral("ID, KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                             "Bemerkung, Erfasst, ErsetztID, Grund, Storniert, Benutzer, StartName, ZielName, ArtName, "
                             "ArtKurz, ZweckName, KategorieName, FahrerName, Kennzeichen, Laufnr"));
    // A logbook from before the stored names is read with NULL in their place.
    EXPECT_TRUE(pruefkette::spaltenliste(pruefkette::Kette::Fahrtenbuch, pruefkette::Form::MitBenutzer)
                    .endsWith(QStringLiteral("Benutzer, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, Laufnr")));
    EXPECT_EQ(pruefkette::spaltenliste(pruefkette::Kette::Rohfahrten),
              QStringLiteral("ID, CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort, Grund, "
                             "Kat, Erfasst, Benutzer, Laufnr"));
    EXPECT_EQ(pruefkette::spaltenliste(pruefkette::Kette::Protokoll),
              QStringLiteral("ID, Zeit, Ereignis, Beschreibung, Benutzer, Laufnr"));
    // A logbook from before the users' column is read with NULL in its place, and written without it.
    EXPECT_EQ(pruefkette::spaltenliste(pruefkette::Kette::Protokoll, pruefkette::Form::OhneBenutzer),
              QStringLiteral("ID, Zeit, Ereignis, Beschreibung, NULL, Laufnr"));
    EXPECT_EQ(pruefkette::spaltennamen(pruefkette::Kette::Protokoll, pruefkette::Form::OhneBenutzer),
              (QStringList{"ID", "Zeit", "Ereignis", "Beschreibung", "Laufnr"}));
}

// Who stored a row is part of its value; a row without (stored before that was recorded) keeps the
// value it was stored with. Values computed with Python's hashlib over the documented bytes.
TEST(Pruefkette, BenutzerZaehltNurMitWert)
{
    TestDatabase db;
    SqlStatement("INSERT INTO T_Protokoll (ID, Zeit, Ereignis, Beschreibung, Benutzer, Laufnr) VALUES "
                 "(1001, '2006-03-10 12:00:00', 'Korrektur', 'Grund: Tippfehler ä', ?, 7)")
        .bind(QStringLiteral("alice"))
        .exec();
    SqlStatement("INSERT INTO T_Protokoll (ID, Zeit, Ereignis, Beschreibung, Benutzer, Laufnr) VALUES "
                 "(1002, '2006-03-10 12:00:00', 'Korrektur', 'Grund: Tippfehler ä', NULL, 7)")
        .exec();
    const auto wert = [](qlonglong id) {
        Rohabfrage s(
            QStringLiteral("SELECT %1 FROM T_Protokoll WHERE ID = ?").arg(pruefkette::spaltenliste(Kette::Protokoll)),
            {id});
        EXPECT_TRUE(s.next());
        pruefkette::Zeile zeile(Kette::Protokoll);
        zeile.alleAusAbfrage(s, 0);
        return zeile.pruefwert(pruefkette::ohneVorgaenger()).toHex();
    };
    EXPECT_EQ(wert(1001), QByteArray("f3680d277bc8cc68fcfd968e1bb36723b580fd4a940ea0d9e3ade49a90b27318"));
    // The same row without a user: the bytes of a row stored before (ID 1002 instead of 1).
    pruefkette::Zeile ohne(Kette::Protokoll);
    ohne.zahl(1002);
    text(ohne, QStringLiteral("2006-03-10 12:00:00"));
    text(ohne, QStringLiteral("Korrektur"));
    text(ohne, QStringLiteral("Grund: Tippfehler ä"));
    ohne.zahl(7);
    EXPECT_EQ(wert(1002), ohne.pruefwert(pruefkette::ohneVorgaenger()).toHex());
}

TEST(Pruefkette, GespeicherterWertFolgtDerSpaltenart)
{
    using pruefkette::Art;
    EXPECT_EQ(pruefkette::gespeichert(QStringLiteral("12"), Art::Zahl), QVariant(qlonglong(12)));
    EXPECT_EQ(pruefkette::gespeichert(12, Art::Text), QVariant(QStringLiteral("12")));
    EXPECT_TRUE(pruefkette::gespeichert(QString(), Art::Text).isNull());
    EXPECT_FALSE(pruefkette::gespeichert(QStringLiteral(""), Art::Text).isNull());
    EXPECT_TRUE(pruefkette::gespeichert(QVariant(), Art::Zahl).isNull());
}

TEST(Kettenanhang, SpeichertErfassungszeitUndSetztDieKetteFort)
{
    TestDatabase db;
    Clock::setFixed(QDateTime(QDate(2024, 3, 1), QTime(10, 12, 30)));
    const auto vorher = vermerkteKoepfe()[pruefkette::index(Kette::Fahrtenbuch)];
    ASSERT_TRUE(vorher.has_value());
    qlonglong id = 0;
    {
        Kettentransaktion kette;
        id = kette.anhaengen(Fahrtenbucheintrag{.kfz = 1, .art = 99, .zweck = 1});
        kette.commit();
    }
    Clock::reset();
    SqlStatement s("SELECT Erfasst, Vorgaenger, Pruefwert, Laufnr FROM T_MIREL WHERE ID = ?");
    s.bind(id).exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("Erfasst"), QStringLiteral("2024-03-01 10:12:30"));
    EXPECT_EQ(s.value("Vorgaenger").toByteArray(), vorher->wert);
    const auto nachher = vermerkteKoepfe()[pruefkette::index(Kette::Fahrtenbuch)];
    EXPECT_EQ(nachher->anzahl, vorher->anzahl + 1);
    EXPECT_EQ(nachher->wert, s.value("Pruefwert").toByteArray());
    // The logbook start record and the protocol's first entry came before it.
    EXPECT_EQ(s.intValue("Laufnr"), 3);
}

TEST(Kettenanhang, OhneCommitBleibtNichtsZurueck)
{
    TestDatabase db;
    const auto vorher = vermerkteKoepfe();
    {
        Kettentransaktion kette;
        kette.anhaengen(Fahrtenbucheintrag{.kfz = 1, .art = 99, .zweck = 1});
        kette.protokollieren(Ereignis::Korrektur, QStringLiteral("abgebrochen"));
    }
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL"), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"), 1);
    EXPECT_EQ(vermerkteKoepfe(), vorher);
}

TEST(Kettenanhang, VergibtEineGeloeschteNummerNichtNeu)
{
    TestDatabase db;
    const int fahrt = build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10010});
    SqlStatement("DELETE FROM T_MIREL WHERE ID = ?").bind(fahrt).exec();
    EXPECT_EQ(build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10010}), fahrt + 1);
}
