#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <vector>

class QIODevice;

// Writes CSV the way LibreOffice Calc and Excel with German settings open it on a double click:
// UTF-8 with byte order mark, ";" between fields, CRLF at the end of each row, and a field in
// double quotes (its quotes doubled) when it holds a ";", a quote or a line break.
// Numbers and dates are the caller's texts; the writer adds nothing to them.
//
// Rows are gathered in a buffer and handed to the device in large pieces, so a list of a hundred
// thousand trips costs little more than writing its bytes.
class CsvSchreiber {
public:
    // Writes the byte order mark at once.
    explicit CsvSchreiber(QIODevice& ziel);
    CsvSchreiber(const CsvSchreiber&) = delete;
    CsvSchreiber& operator=(const CsvSchreiber&) = delete;

    void feld(QStringView text);
    // A text already in UTF-8.
    void feld(QByteArrayView utf8);
    void zahl(qint64 wert);
    // Bytes as hex digits in capitals, two to a byte: a field that never needs quotes.
    void hexFeld(std::span<const std::uint8_t> bytes);
    // A field as vorbereitet() made it: for texts that repeat on many rows.
    void vorbereitetesFeld(QByteArrayView csvForm)
    {
        char* ziel = feldanfang(csvForm.size());
        kopieren(ziel, csvForm.data(), csvForm.size());
        belegt_ += csvForm.size();
    }
    // Room for a field of exactly `laenge` bytes, which the caller writes there before the next
    // call; only for bytes that need no quotes (digits, dates, times). Written where they stand,
    // they are not copied once more from a buffer of the caller's.
    char* rohesFeld(qsizetype laenge)
    {
        char* ziel = feldanfang(laenge);
        belegt_ += laenge;
        return ziel;
    }
    void zeileBeenden();
    // A whole row of texts.
    void zeile(const QStringList& felder);
    // Hands the rest to the device. Throws VarnoError when the device refuses bytes.
    void abschliessen();

    // The field as it stands in the file, quoted when needed.
    static QByteArray vorbereitet(QStringView text);

    // Writes a whole file: all of it or, when anything fails, none of it (an older file of that
    // name stays as it was). Throws VarnoError naming the file.
    static void inDatei(const QString& pfad, const std::function<void(CsvSchreiber&)>& inhalt);

private:
    // Fields are short: they need no call to memcpy. Up to 32 bytes go as two fixed-size pieces
    // that overlap in the middle, so there is no loop whose length the processor has to guess.
    static void kopieren(char* ziel, const char* quelle, qsizetype laenge)
    {
        if (laenge > 32)
            std::memcpy(ziel, quelle, static_cast<std::size_t>(laenge));
        else if (laenge >= 16)
            zweiStuecke<16>(ziel, quelle, laenge);
        else if (laenge >= 8)
            zweiStuecke<8>(ziel, quelle, laenge);
        else if (laenge >= 4)
            zweiStuecke<4>(ziel, quelle, laenge);
        else
            for (; laenge > 0; --laenge)
                *ziel++ = *quelle++;
    }
    // The first and the last `stueck` bytes of `laenge` (between `stueck` and twice that).
    template <qsizetype stueck> static void zweiStuecke(char* ziel, const char* quelle, qsizetype laenge)
    {
        std::memcpy(ziel, quelle, stueck);
        std::memcpy(ziel + laenge - stueck, quelle + laenge - stueck, stueck);
    }
    // Room for `bytes` more bytes at the end of the buffer.
    char* platz(qsizetype bytes)
    {
        return belegt_ + bytes <= static_cast<qsizetype>(puffer_.size()) ? puffer_.data() + belegt_
                                                                         : platzSchaffen(bytes);
    }
    char* platzSchaffen(qsizetype bytes);
    // Room for a field of `bytes` bytes, after the separator when the row has fields already.
    char* feldanfang(qsizetype bytes)
    {
        char* ziel = platz(bytes + 1);
        if (!zeilenanfang_) {
            *ziel++ = ';';
            ++belegt_;
        }
        zeilenanfang_ = false;
        return ziel;
    }
    void roh(QByteArrayView bytes);
    void auslagern();
    void anfuehren(char* anfang, qsizetype laenge);

    QIODevice& ziel_;
    // Stateless: half a surrogate pair at a field's end becomes a replacement character in that
    // field instead of waiting to spoil the next one.
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    std::vector<char> puffer_;
    qsizetype belegt_ = 0;
    bool zeilenanfang_ = true;
};
