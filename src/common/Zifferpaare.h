#pragma once

#include <array>
#include <cstddef>

// "00" to "99", so the numbers and times of files with a hundred thousand rows are written two
// digits at a time.
inline constexpr std::array<std::array<char, 2>, 100> zifferpaare = [] {
    std::array<std::array<char, 2>, 100> paare{};
    for (std::size_t zahl = 0; zahl < paare.size(); ++zahl)
        paare[zahl] = {static_cast<char>('0' + zahl / 10), static_cast<char>('0' + zahl % 10)};
    return paare;
}();
