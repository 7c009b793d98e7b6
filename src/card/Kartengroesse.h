#pragma once

#include <cstdint>

// The recorder takes cards of 16 or 32 MB; anything of 15,000,000 bytes or less, or of
// 67,000,000 bytes or more, is not a card of this kind and is never offered for a reset.
namespace kartengroesse {

inline constexpr std::uint64_t Untergrenze = 15'000'000;
inline constexpr std::uint64_t Obergrenze = 67'000'000;

// Block size times block count; a product beyond 64 bits counts as the largest size there is,
// so huge media are simply too big instead of wrapping round into the window.
std::uint64_t inBytes(std::uint64_t blockGroesse, std::uint64_t bloecke);

constexpr bool passend(std::uint64_t bytes)
{
    return bytes > Untergrenze && bytes < Obergrenze;
}

} // namespace kartengroesse
