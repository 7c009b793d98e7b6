#include "common/CsvSchreiber.h"

#include "common/Exportziel.h"
#include "common/VarnoError.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <system_error>

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
// ASCII and whether it must be quoted (";", quote, line break are single UTF-16 units and single
// UTF-8 bytes alike). The loop runs to the end without a branch and gathers its findings in whole
// numbers, so the compiler takes many characters at a time. `ziel` must have room for the text's length.
Durchsicht durchsehen(char* ziel, QStringView text)
{
    const char16_t* zeichen = text.utf16();
    const qsizetype laenge = text.size();
    unsigned alleBits = 0;
    unsigned zuQuotieren = 0;
    for (qsizetype i = 0; i < laenge; ++i) {
        const unsigned c = zeichen[i];
        alleBits |= c;
        zuQuotieren |= unsigned(c == ';') | unsigned(c == '"') | unsigned(c == '\n') | unsigned(c == '\r');
        ziel[i] = static_cast<char>(c);
    }
    return {alleBits < 0x80, zuQuotieren != 0};
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
// where it stands, from the end so nothing is overwritten.
void CsvSchreiber::anfuehren(char* anfang, qsizetype laenge)
{
    const char* text = anfang + 1;
    const qsizetype anfuehrungen = std::count(text, text + laenge, '"');
    char* ziel = anfang + laenge + anfuehrungen + 1;
    *ziel = '"';
    for (const char* c = text + laenge - 1; c >= text; --c) {
        *--ziel = *c;
        if (*c == '"')
            *--ziel = '"';
    }
    *anfang = '"';
    belegt_ += laenge + anfuehrungen + 2;
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
    constexpr qsizetype stellen = 20;
    char* anfang = feldanfang(stellen);
    belegt_ += std::to_chars(anfang, anfang + stellen, wert).ptr - anfang;
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
