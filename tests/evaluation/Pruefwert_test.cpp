#include "common/CsvSchreiber.h"
#include "evaluation/Pruefwert.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

QByteArray alsFeld(const Pruefwert& wert)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    CsvSchreiber csv(puffer);
    wert.schreiben(csv);
    csv.zeileBeenden();
    csv.abschliessen();
    return puffer.data();
}

QByteArray bytefolge(std::initializer_list<int> bytes)
{
    QByteArray folge;
    for (const int byte : bytes)
        folge += static_cast<char>(byte);
    return folge;
}

struct PruefwertFall {
    const char* name;
    Pruefwert wert;
    const char* text;
};

class PruefwertTest : public ::testing::TestWithParam<PruefwertFall> {};

} // namespace

// The value shows the same text on screen and in a file, where it is written from its bytes.
TEST_P(PruefwertTest, ZeigtSeinenTextUndSchreibtIhnInDieDatei)
{
    const QString erwartet = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(GetParam().wert.text(), erwartet);
    EXPECT_EQ(alsFeld(GetParam().wert), QByteArrayLiteral("\xEF\xBB\xBF") + erwartet.toUtf8() + "\r\n");
}

const QByteArray aufsteigend = [] {
    QByteArray bytes;
    for (int i = 0; i < 32; ++i)
        bytes += static_cast<char>(i * 8 + 7);
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    Faelle, PruefwertTest,
    ::testing::Values(
        PruefwertFall{"keiner", Pruefwert(), ""}, PruefwertFall{"ungueltig", Pruefwert::ungueltig(), "ungültig"},
        PruefwertFall{"nullen", Pruefwert::gueltig(QByteArray(32, '\0')),
                      "0000000000000000000000000000000000000000000000000000000000000000"},
        PruefwertFall{"einsen", Pruefwert::gueltig(QByteArray(32, '\xFF')),
                      "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        PruefwertFall{"aufsteigend", Pruefwert::gueltig(aufsteigend),
                      "070F171F272F373F474F575F676F777F878F979FA7AFB7BFC7CFD7DFE7EFF7FF"},
        PruefwertFall{"semikolonUndAnfuehrung", Pruefwert::gueltig(bytefolge({';', '"'}) + QByteArray(30, 'a')),
                      "3B22616161616161616161616161616161616161616161616161616161616161"},
        // Anything but 32 bytes is no chain value.
        PruefwertFall{"zuKurz", Pruefwert::gueltig(QByteArray(31, 'a')), "ungültig"},
        PruefwertFall{"zuLang", Pruefwert::gueltig(QByteArray(33, 'a')), "ungültig"},
        PruefwertFall{"leer", Pruefwert::gueltig(QByteArray()), "ungültig"}),
    [](const auto& info) { return std::string(info.param.name); });
