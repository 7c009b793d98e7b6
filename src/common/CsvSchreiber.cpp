#include "common/CsvSchreiber.h"

#include "common/Exportziel.h"
#include "common/VarnoError.h"
#include "common/Zifferpaare.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <string.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype pufferGroesse = 256 * 1024;
constexpr char bytereihenfolge[] = "\xEF\xBB\xBF";
constexpr char zeilenende[] = "\r\n";

// The bytes of these characters never occur inside a multi-byte UTF-8 sequence, so the encoded
// text can be searched byte by byte.
bool brauchtAnfuehrung(const char* text, qsizetype laenge)
{
    return std::any_of(text, text + laenge, [](char c) { return c == ';' || c == '"' || c == '\n' || c == '\r'; });
}

// What one pass over a field's UTF-16 text found.
struct Durchsicht {
    bool ascii;
    bool zuQuotieren;
};

// Most free texts (times, chain values, many remarks) are plain ASCII: narrowed byte for byte they
// need no encoder. One pass narrows the text into `ziel` and notes, for any text, whether it is
// ASCII and whether it must be quoted (";", quote and line breaks are single UTF-16 units and single
// UTF-8 bytes alike). Where the text is not ASCII, what it left in `ziel` is to be overwritten.
// `ziel` must have room for the text's length.
Durchsicht durchsehen(char* ziel, QStringView text)
{
    const char16_t* zeichen = text.utf16();
    const qsizetype laenge = text.size();
    qsizetype i = 0;
    unsigned alleBits = 0;
    unsigned zuQuotieren = 0;
#ifdef __SSE2__
    // Sixteen units at a time. Narrowing saturates, so a unit above 0xFF never looks like one of
    // the four signs; whether all are ASCII is read from the units themselves.
    __m128i einheiten = _mm_setzero_si128();
    __m128i zeichenZuQuotieren = _mm_setzero_si128();
    const auto gleich = [](__m128i bytes, char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    for (; i + 16 <= laenge; i += 16) {
        const __m128i vorne = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen + i));
        const __m128i hinten = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen + i + 8));
        const __m128i bytes = _mm_packus_epi16(vorne, hinten);
        einheiten = _mm_or_si128(einheiten, _mm_or_si128(vorne, hinten));
        zeichenZuQuotieren =
            _mm_or_si128(zeichenZuQuotieren, _mm_or_si128(_mm_or_si128(gleich(bytes, ';'), gleich(bytes, '"')),
                                                          _mm_or_si128(gleich(bytes, '\n'), gleich(bytes, '\r'))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), bytes);
    }
    const __m128i nichtAscii = _mm_and_si128(einheiten, _mm_set1_epi16(static_cast<short>(0xFF80)));
    alleBits = _mm_movemask_epi8(_mm_cmpeq_epi16(nichtAscii, _mm_setzero_si128())) == 0xFFFF ? 0 : 0x80;
    zuQuotieren = static_cast<unsigned>(_mm_movemask_epi8(zeichenZuQuotieren));
#endif
    for (; i < laenge; ++i) {
        const unsigned c = zeichen[i];
        alleBits |= c;
        zuQuotieren |= unsigned(c == ';') | unsigned(c == '"') | unsigned(c == '\n') | unsigned(c == '\r');
        ziel[i] = static_cast<char>(c);
    }
    return {alleBits < 0x80, zuQuotieren != 0};
}

// The two hex digits of every byte, so a byte costs one lookup.
constexpr std::array<std::array<char, 2>, 256> hexPaare = [] {
    constexpr char ziffern[] = "0123456789ABCDEF";
    std::array<std::array<char, 2>, 256> paare{};
    for (std::size_t byte = 0; byte < paare.size(); ++byte)
        paare[byte] = {ziffern[byte >> 4], ziffern[byte & 0xF]};
    return paare;
}();

constexpr std::array<std::uint64_t, 20> zehnerpotenzen = [] {
    std::array<std::uint64_t, 20> potenzen{};
    std::uint64_t potenz = 1;
    for (std::uint64_t& p : potenzen) {
        p = potenz;
        potenz *= 10;
    }
    return potenzen;
}();

// The number of decimal digits of `zahl`, 1 for 0: its bits times log10(2) give the count or one
// less, which one comparison settles.
int ziffernzahl(std::uint64_t zahl)
{
    const int schaetzung = std::bit_width(zahl | 1) * 1233 >> 12;
    return schaetzung + static_cast<int>(zahl >= zehnerpotenzen[static_cast<std::size_t>(schaetzung)]) +
           static_cast<int>(zahl == 0);
}

VarnoError dateifehler(const QString& pfad, const QString& grund)
{
    return VarnoError(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), grund));
}

std::filesystem::path dateisystempfad(const QString& pfad)
{
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
}

} // namespace

CsvSchreiber::CsvSchreiber(QIODevice& ziel) : ziel_(ziel), puffer_(pufferGroesse)
{
    roh(bytereihenfolge);
}

char* CsvSchreiber::platzSchaffen(qsizetype bytes)
{
    auslagern();
    if (bytes > static_cast<qsizetype>(puffer_.size()))
        puffer_.resize(static_cast<std::size_t>(bytes));
    return puffer_.data();
}

void CsvSchreiber::auslagern()
{
    if (belegt_ == 0)
        return;
    if (ziel_.write(puffer_.data(), belegt_) != belegt_)
        throw VarnoError(QStringLiteral("Die Daten konnten nicht geschrieben werden: %1").arg(ziel_.errorString()));
    belegt_ = 0;
}

void CsvSchreiber::roh(QByteArrayView bytes)
{
    // An empty view may point nowhere, which memcpy must not be given.
    if (bytes.isEmpty())
        return;
    std::memcpy(platz(bytes.size()), bytes.data(), static_cast<std::size_t>(bytes.size()));
    belegt_ += bytes.size();
}

// The field's text stands one byte behind `anfang`, where the opening quote goes; it is quoted
// where it stands. From the end, each piece after a quote moves right by the number of quotes up
// to it, so nothing is overwritten before it has moved.
void CsvSchreiber::anfuehren(char* anfang, qsizetype laenge)
{
    char* text = anfang + 1;
    qsizetype schub = std::count(text, text + laenge, '"');
    belegt_ += laenge + schub + 2;
    text[laenge + schub] = '"';
    char* stueckEnde = text + laenge;
    for (; schub > 0; --schub) {
        char* anfuehrung = static_cast<char*>(memrchr(text, '"', static_cast<std::size_t>(stueckEnde - text)));
        std::memmove(anfuehrung + 1 + schub, anfuehrung + 1, static_cast<std::size_t>(stueckEnde - anfuehrung - 1));
        anfuehrung[schub] = '"';
        anfuehrung[schub - 1] = '"';
        stueckEnde = anfuehrung;
    }
    *anfang = '"';
}

void CsvSchreiber::feld(QStringView text)
{
    // UTF-8 takes at most three bytes for a UTF-16 unit; quoting at most doubles them, plus two quotes.
    char* anfang = feldanfang(2 * 3 * text.size() + 2);
    const Durchsicht gefunden = durchsehen(anfang, text);
    if (!gefunden.zuQuotieren) {
        belegt_ += gefunden.ascii ? text.size() : utf8_.appendToBuffer(anfang, text) - anfang;
        return;
    }
    anfuehren(anfang, utf8_.appendToBuffer(anfang + 1, text) - (anfang + 1));
}

void CsvSchreiber::feld(QByteArrayView utf8)
{
    if (!brauchtAnfuehrung(utf8.data(), utf8.size())) {
        vorbereitetesFeld(utf8);
        return;
    }
    char* anfang = feldanfang(2 * utf8.size() + 2);
    std::memcpy(anfang + 1, utf8.data(), static_cast<std::size_t>(utf8.size()));
    anfuehren(anfang, utf8.size());
}

void CsvSchreiber::zahl(qint64 wert)
{
    // A sign and up to 19 digits.
    char* ziel = feldanfang(20);
    // Counted without a sign, so the smallest number has its magnitude too.
    std::uint64_t betrag = static_cast<std::uint64_t>(wert);
    if (wert < 0) {
        *ziel++ = '-';
        ++belegt_;
        betrag = 0 - betrag;
    }
    const int laenge = ziffernzahl(betrag);
    char* ende = ziel + laenge;
    for (; betrag >= 100; betrag /= 100) {
        ende -= 2;
        std::memcpy(ende, zifferpaare[betrag % 100].data(), 2);
    }
    if (betrag >= 10)
        std::memcpy(ende - 2, zifferpaare[betrag].data(), 2);
    else
        ende[-1] = static_cast<char>('0' + betrag);
    belegt_ += laenge;
}

void CsvSchreiber::hexFeld(std::span<const std::uint8_t> bytes)
{
    char* ziel = rohesFeld(static_cast<qsizetype>(2 * bytes.size()));
    for (const std::uint8_t byte : bytes) {
        std::memcpy(ziel, hexPaare[byte].data(), 2);
        ziel += 2;
    }
}

void CsvSchreiber::zeileBeenden()
{
    roh(zeilenende);
    zeilenanfang_ = true;
}

void CsvSchreiber::zeile(const QStringList& felder)
{
    for (const QString& text : felder)
        feld(text);
    zeileBeenden();
}

void CsvSchreiber::abschliessen()
{
    auslagern();
}

QByteArray CsvSchreiber::vorbereitet(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!brauchtAnfuehrung(utf8.constData(), utf8.size()))
        return utf8;
    return '"' + QByteArray(utf8).replace('"', "\"\"") + '"';
}

// Written beside the target and renamed over it, like QSaveFile but without its flush to disk:
// an export can always be made again, and flushing a large file takes longer than writing it.
// A link chosen as target is written through, so the link itself stays.
void CsvSchreiber::inDatei(const QString& gewaehlt, const std::function<void(CsvSchreiber&)>& inhalt)
{
    const QString pfad = exportziel::aufloesen(gewaehlt, true);
    const QString temporaer =
        pfad + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    QFile datei(temporaer);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw dateifehler(pfad, datei.errorString());
    try {
        CsvSchreiber schreiber(datei);
        inhalt(schreiber);
        schreiber.abschliessen();
        datei.close();
        std::error_code fehler;
        std::filesystem::rename(dateisystempfad(temporaer), dateisystempfad(pfad), fehler);
        if (fehler)
            throw dateifehler(pfad, QString::fromLocal8Bit(fehler.message()));
    } catch (...) {
        const QString grund = datei.error() != QFileDevice::NoError ? datei.errorString() : QString();
        datei.remove();
        if (!grund.isEmpty())
            throw dateifehler(pfad, grund);
        throw;
    }
}
