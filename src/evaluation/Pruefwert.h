#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

class CsvSchreiber;

// A listed trip's chain value as its files show it: nothing for a row stored without one,
// "ungültig" for a row whose content no longer yields the value it keeps, else the 32 bytes of the
// value. Kept as bytes, not as text: a file of a hundred thousand trips writes them as hex digits
// straight into its buffer.
class Pruefwert {
public:
    static constexpr std::size_t bytes = 32;

    // A row stored without a value: Pruefwert() shows nothing.
    Pruefwert() = default;
    static Pruefwert ungueltig();
    // A value of any other length than 32 bytes is not a chain value: it shows as "ungültig".
    static Pruefwert gueltig(QByteArrayView wert);

    // "", "ungültig" or 64 hex digits in capitals.
    QString text() const;
    // The same text as a field of `csv`.
    void schreiben(CsvSchreiber& csv) const;

private:
    enum class Stand : std::uint8_t { Keiner, Ungueltig, Gueltig };

    Stand stand_ = Stand::Keiner;
    std::array<std::uint8_t, bytes> wert_{};
};
