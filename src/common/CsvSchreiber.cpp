#include "common/CsvSchreiber.h"

#include "common/VarnoError.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

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

VarnoError schreibfehler(const QIODevice& ziel)
{
    const auto* datei = qobject_cast<const QFileDevice*>(&ziel);
    if (!datei)
        return VarnoError(QStringLiteral("Die Daten konnten nicht geschrieben werden: %1").arg(ziel.errorString()));
    return VarnoError(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(datei->fileName()), datei->errorString()));
}

} // namespace

CsvSchreiber::CsvSchreiber(QIODevice& ziel) : ziel_(ziel), puffer_(pufferGroesse)
{
    anfuegen(bytereihenfolge);
}

char* CsvSchreiber::platz(qsizetype bytes)
{
    if (belegt_ + bytes > static_cast<qsizetype>(puffer_.size())) {
        auslagern();
        if (bytes > static_cast<qsizetype>(puffer_.size()))
            puffer_.resize(static_cast<std::size_t>(bytes));
    }
    return puffer_.data() + belegt_;
}

void CsvSchreiber::auslagern()
{
    if (belegt_ == 0)
        return;
    if (ziel_.write(puffer_.data(), belegt_) != belegt_)
        throw schreibfehler(ziel_);
    belegt_ = 0;
}

void CsvSchreiber::anfuegen(QByteArrayView bytes)
{
    // An empty view may point nowhere, which memcpy must not be given.
    if (bytes.isEmpty())
        return;
    std::memcpy(platz(bytes.size()), bytes.data(), static_cast<std::size_t>(bytes.size()));
    belegt_ += bytes.size();
}

void CsvSchreiber::trenner()
{
    if (!zeilenanfang_) {
        *platz(1) = ';';
        ++belegt_;
    }
    zeilenanfang_ = false;
}

void CsvSchreiber::quotiertAnfuegen(const char* text, qsizetype laenge)
{
    char* ziel = platz(2 * laenge + 2);
    char* anfang = ziel;
    *ziel++ = '"';
    for (const char* c = text; c != text + laenge; ++c) {
        if (*c == '"')
            *ziel++ = '"';
        *ziel++ = *c;
    }
    *ziel++ = '"';
    belegt_ += ziel - anfang;
}

void CsvSchreiber::feld(QStringView text)
{
    trenner();
    char* anfang = platz(utf8_.requiredSpace(text.size()));
    const qsizetype laenge = utf8_.appendToBuffer(anfang, text) - anfang;
    if (!brauchtAnfuehrung(anfang, laenge)) {
        belegt_ += laenge;
        return;
    }
    // Quoting moves the text; it is rare enough to copy it first.
    const std::string kodiert(anfang, static_cast<std::size_t>(laenge));
    quotiertAnfuegen(kodiert.data(), laenge);
}

void CsvSchreiber::feld(QByteArrayView utf8)
{
    trenner();
    if (brauchtAnfuehrung(utf8.data(), utf8.size())) {
        quotiertAnfuegen(utf8.data(), utf8.size());
        return;
    }
    anfuegen(utf8);
}

void CsvSchreiber::zahl(qint64 wert)
{
    trenner();
    constexpr qsizetype stellen = 20;
    char* anfang = platz(stellen);
    belegt_ += std::to_chars(anfang, anfang + stellen, wert).ptr - anfang;
}

void CsvSchreiber::vorbereitetesFeld(QByteArrayView csvForm)
{
    trenner();
    anfuegen(csvForm);
}

void CsvSchreiber::zeileBeenden()
{
    anfuegen(zeilenende);
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

void CsvSchreiber::inDatei(const QString& pfad, const std::function<void(CsvSchreiber&)>& inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw schreibfehler(datei);
    try {
        CsvSchreiber schreiber(datei);
        inhalt(schreiber);
        schreiber.abschliessen();
    } catch (...) {
        datei.cancelWriting();
        throw;
    }
    if (!datei.commit())
        throw schreibfehler(datei);
}
