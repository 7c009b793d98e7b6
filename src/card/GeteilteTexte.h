#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Converts the recorder's UTF-8 texts to QString once per distinct text and hands out shared
// copies: a full card repeats a few dozen places, reasons and categories over a hundred thousand
// rows, and one heap string per field and row cost more memory than the rest of the list.
// Four look-ups a trip made a general hash map the dearest part of listing a card, so the texts
// sit in a table of their own: open, probed in line, each place keeping its text's hash value.
class GeteilteTexte {
public:
    GeteilteTexte();

    QString text(const std::string& utf8);

private:
    struct Platz {
        std::uint64_t streuwert = 0;
        bool belegt = false;
        std::string utf8;
        QString text;
    };

    std::uint64_t streuwert(const std::string& utf8) const;
    Platz& platzFuer(std::uint64_t wert, const std::string& utf8);
    void verdoppeln();

    // Drawn afresh for every table, so no file can be made to land all its texts on one place.
    std::uint64_t saat_;
    // A power of two, at most half of it taken.
    std::vector<Platz> plaetze_;
    std::size_t belegt_ = 0;
};
