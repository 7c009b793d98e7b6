#include "common/CsvSchreiber.h"
#include "common/VarnoError.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstring>
#include <limits>
#include <vector>

namespace {

const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");

QByteArray geschrieben(const std::function<void(CsvSchreiber&)>& inhalt)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    CsvSchreiber csv(puffer);
    inhalt(csv);
    csv.abschliessen();
    return puffer.data();
}

QByteArray dateiinhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("(fehlt)");
}

} // namespace

struct FeldFall {
    const char* name;
    const char* text;
    const char* imDatei;
};

class CsvFeldTest : public ::testing::TestWithParam<FeldFall> {};

TEST_P(CsvFeldTest, SchreibtDasFeldInUtf8UndQuotiertNurWennNoetig)
{
    const QString text = QString::fromUtf8(GetParam().text);
    const QByteArray erwartet = bom + QByteArray(GetParam().imDatei) + "\r\n";

    EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                  csv.feld(QStringView(text));
                  csv.zeileBeenden();
              }),
              erwartet);
    EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                  csv.feld(QByteArrayView(text.toUtf8()));
                  csv.zeileBeenden();
              }),
              erwartet);
    EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                  csv.vorbereitetesFeld(CsvSchreiber::vorbereitet(text));
                  csv.zeileBeenden();
              }),
              erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, CsvFeldTest,
    ::testing::Values(FeldFall{"schlicht", "Büro", "Büro"}, FeldFall{"leer", "", ""},
                      FeldFall{"apostroph", "D'dorf", "D'dorf"}, FeldFall{"komma", "Golf, blau", "Golf, blau"},
                      FeldFall{"semikolon", "a;b", "\"a;b\""},
                      FeldFall{"anfuehrung", "Lager \"Nord\"", "\"Lager \"\"Nord\"\"\""},
                      FeldFall{"zeilenumbruch", "Zeile 1\nZeile 2", "\"Zeile 1\nZeile 2\""},
                      FeldFall{"wagenruecklauf", "a\r\nb", "\"a\r\nb\""}, FeldFall{"nurAnfuehrung", "\"", "\"\"\"\""},
                      FeldFall{"umlauteUndEuro", "Ärger über 5 €", "Ärger über 5 €"},
                      FeldFall{"umlautUndAnfuehrung", "Köln; \"Ost\"", "\"Köln; \"\"Ost\"\"\""},
                      FeldFall{"langMitAnfuehrungenHinten", "Abfahrt 08:15 am Tor \"Nord\" \"2\"",
                               "\"Abfahrt 08:15 am Tor \"\"Nord\"\" \"\"2\"\"\""},
                      FeldFall{"langMitBreitemSemikolon", "Umleitung ueber das Kreuz；Ost und weiter",
                               "Umleitung ueber das Kreuz；Ost und weiter"},
                      FeldFall{"langMitEmoji", "Umleitung ueber das Kreuz 😀 Ost; weiter",
                               "\"Umleitung ueber das Kreuz 😀 Ost; weiter\""},
                      FeldFall{"langMitUmlautVorn", "Ärger: Umleitung ueber das Kreuz Ost weiter",
                               "Ärger: Umleitung ueber das Kreuz Ost weiter"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvSchreiber, BeginntMitBytereihenfolgeUndTrenntMitSemikolonUndCrLf)
{
    const QByteArray inhalt = geschrieben([](CsvSchreiber& csv) {
        csv.zeile({QStringLiteral("Abfahrt"), QStringLiteral("km")});
        csv.feld(QStringView(u"01.02.2006 08:15:00"));
        csv.zahl(1234567);
        csv.zeileBeenden();
        csv.feld(QStringView());
        csv.zahl(-42);
        csv.zeileBeenden();
    });

    EXPECT_EQ(inhalt, bom + "Abfahrt;km\r\n01.02.2006 08:15:00;1234567\r\n;-42\r\n");
}

TEST(CsvSchreiber, QuotierteFelderZwischenAnderen)
{
    const QByteArray inhalt = geschrieben([](CsvSchreiber& csv) {
        csv.zahl(7);
        csv.feld(QStringView(u"Ort; \"A\""));
        csv.feld(QByteArrayView("a\"b"));
        csv.feld(QStringView(u"Ende"));
        csv.zeileBeenden();
        csv.feld(QStringView(u"\"erstes\""));
        csv.zeileBeenden();
    });

    EXPECT_EQ(inhalt, bom + "7;\"Ort; \"\"A\"\"\";\"a\"\"b\";Ende\r\n\"\"\"erstes\"\"\"\r\n");
}

struct ZahlFall {
    const char* name;
    qint64 wert;
    const char* imDatei;
};

class CsvZahlTest : public ::testing::TestWithParam<ZahlFall> {};

// Numbers at the ends of their range keep every digit and the sign, between other fields as alone.
TEST_P(CsvZahlTest, SchreibtDieZahlMitAllenZiffern)
{
    const QByteArray zahl(GetParam().imDatei);
    EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                  csv.zahl(GetParam().wert);
                  csv.zeileBeenden();
                  csv.feld(QStringView(u"a"));
                  csv.zahl(GetParam().wert);
                  csv.zahl(GetParam().wert);
                  csv.zeileBeenden();
              }),
              bom + zahl + "\r\na;" + zahl + ';' + zahl + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Faelle, CsvZahlTest,
                         ::testing::Values(ZahlFall{"null", 0, "0"}, ZahlFall{"eins", 1, "1"},
                                           ZahlFall{"minusEins", -1, "-1"}, ZahlFall{"neun", 9, "9"},
                                           ZahlFall{"zehn", 10, "10"},
                                           ZahlFall{"kilometerstand", 1234567, "1234567"},
                                           ZahlFall{"intMax", 2147483647, "2147483647"},
                                           ZahlFall{"intMin", -2147483648LL, "-2147483648"},
                                           ZahlFall{"groesste", std::numeric_limits<qint64>::max(),
                                                    "9223372036854775807"},
                                           ZahlFall{"kleinste", std::numeric_limits<qint64>::min(),
                                                    "-9223372036854775808"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every byte value becomes its two hex digits in capitals; the field needs no quotes, even where
// the bytes are those of ";" or a quote.
TEST(CsvSchreiber, HexfeldSchreibtJedesByteAlsZweiGrosseHexziffern)
{
    std::vector<std::uint8_t> alle(256);
    for (std::size_t byte = 0; byte < alle.size(); ++byte)
        alle[byte] = static_cast<std::uint8_t>(byte);
    const QByteArray alsText =
        QByteArray(reinterpret_cast<const char*>(alle.data()), static_cast<qsizetype>(alle.size())).toHex().toUpper();
    const std::array<std::uint8_t, 2> zeichen = {';', '"'};

    EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                  csv.hexFeld(alle);
                  csv.hexFeld(zeichen);
                  csv.hexFeld({});
                  csv.zeileBeenden();
              }),
              bom + alsText + ";3B22;\r\n");
}

// A field the caller writes in place takes its separator like any other.
TEST(CsvSchreiber, RohesFeldStehtAnSeinerStelleZwischenAnderen)
{
    EXPECT_EQ(geschrieben([](CsvSchreiber& csv) {
                  std::memcpy(csv.rohesFeld(8), "08:15:00", 8);
                  csv.zahl(5);
                  std::memcpy(csv.rohesFeld(2), "12", 2);
                  csv.zeileBeenden();
                  std::memcpy(csv.rohesFeld(3), "abc", 3);
                  csv.zeileBeenden();
              }),
              bom + "08:15:00;5;12\r\nabc\r\n");
}

// Short fields are copied in pieces chosen by their length: each length comes out whole.
TEST(CsvSchreiber, FelderJederLaengeBleibenGanz)
{
    for (int laenge = 0; laenge <= 40; ++laenge) {
        QByteArray text;
        for (int i = 0; i < laenge; ++i)
            text += static_cast<char>('a' + i % 26);
        const QString alsText = QString::fromLatin1(text);
        EXPECT_EQ(geschrieben([&](CsvSchreiber& csv) {
                      csv.vorbereitetesFeld(text);
                      csv.feld(QStringView(alsText));
                      csv.feld(QByteArrayView(text));
                      csv.zeileBeenden();
                  }),
                  bom + text + ';' + text + ';' + text + "\r\n")
            << laenge << " Bytes";
    }
}

// A text that ends in half a surrogate pair (broken input) gets the replacement character in its
// own field; the next field stays as it is.
TEST(CsvSchreiber, EinHalbesZeichenAmFeldendeBleibtInSeinemFeld)
{
    const QString halb = QStringLiteral("a") + QChar(0xD83D);
    const QByteArray inhalt = geschrieben([&](CsvSchreiber& csv) {
        csv.feld(QStringView(halb));
        csv.feld(QStringView(u"b"));
        csv.feld(QStringView(halb));
        csv.feld(QStringView(u"ü"));
        csv.zeileBeenden();
    });

    EXPECT_EQ(inhalt, bom + "a\xEF\xBF\xBD;b;a\xEF\xBF\xBD;\xC3\xBC\r\n");
}

TEST(CsvSchreiber, OhneZeilenNurDieBytereihenfolge)
{
    EXPECT_EQ(geschrieben([](CsvSchreiber&) {}), bom);
}

TEST(CsvSchreiber, FelderGroesserAlsDerPufferBleibenGanz)
{
    const QString lang = QString(300000, QLatin1Char('a')) + QStringLiteral(";") + QString(300000, QChar(0x00FC));
    const QByteArray inhalt = geschrieben([&](CsvSchreiber& csv) {
        csv.zahl(1);
        csv.feld(QStringView(lang));
        csv.zeileBeenden();
    });

    const QByteArray feld = '"' + lang.toUtf8() + '"';
    EXPECT_EQ(inhalt, bom + "1;" + feld + "\r\n");
}

TEST(CsvSchreiber, EinGeraetDasNichtsAnnimmtGibtEinenFehler)
{
    QBuffer puffer;
    puffer.open(QIODevice::ReadOnly);
    CsvSchreiber csv(puffer);
    csv.feld(QStringView(u"Fahrt"));
    EXPECT_THROW(csv.abschliessen(), VarnoError);
}

TEST(CsvSchreiber, DateiWirdGanzGeschrieben)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fahrten.csv"));

    CsvSchreiber::inDatei(pfad, [](CsvSchreiber& csv) { csv.zeile({QStringLiteral("a"), QStringLiteral("b")}); });

    EXPECT_EQ(dateiinhalt(pfad), bom + "a;b\r\n");
}

TEST(CsvSchreiber, UnbeschreibbarerOrdnerNenntDieDatei)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt/fahrten.csv"));
    try {
        CsvSchreiber::inDatei(pfad, [](CsvSchreiber& csv) { csv.zeile({QStringLiteral("a")}); });
        FAIL() << "kein Fehler";
    } catch (const VarnoError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QStringLiteral("fahrten.csv"))) << fehler.what();
        EXPECT_TRUE(fehler.message().contains(QStringLiteral("konnte nicht geschrieben werden"))) << fehler.what();
    }
    EXPECT_FALSE(QFile::exists(pfad));
}

TEST(CsvSchreiber, AbbruchMittendrinLaesstDieAlteDateiStehen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fahrten.csv"));
    CsvSchreiber::inDatei(pfad, [](CsvSchreiber& csv) { csv.zeile({QStringLiteral("alt")}); });

    EXPECT_THROW(CsvSchreiber::inDatei(pfad,
                                       [](CsvSchreiber& csv) {
                                           csv.zeile({QString(400000, QLatin1Char('n'))});
                                           throw VarnoError(QStringLiteral("Lesefehler"));
                                       }),
                 VarnoError);

    EXPECT_EQ(dateiinhalt(pfad), bom + "alt\r\n");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("fahrten.csv")});
}
