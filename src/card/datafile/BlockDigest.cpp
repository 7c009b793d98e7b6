#include "card/datafile/BlockDigest.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cardfile {

namespace {

constexpr std::size_t Lanes = 8;
constexpr std::size_t WordSize = sizeof(std::uint64_t);
constexpr std::uint64_t FnvPrime = 1099511628211ULL;

// Arbitrary odd constants, one per lane, so equal words in different lanes count differently.
constexpr std::array<std::uint64_t, Lanes> LaneKeys = {
    0x9E3779B97F4A7C15ULL, 0xC2B2AE3D27D4EB4FULL, 0x165667B19E3779F9ULL, 0xD6E8FEB86659FD93ULL,
    0xFF51AFD7ED558CCDULL, 0xC4CEB9FE1A85EC53ULL, 0x27D4EB2F165667C5ULL, 0x94D049BB133111EBULL};

// Murmur's final mix: a bijection that spreads every bit over the whole word.
std::uint64_t mix(std::uint64_t value)
{
    value ^= value >> 33;
    value *= 0xFF51AFD7ED558CCDULL;
    value ^= value >> 33;
    value *= 0xC4CEB9FE1A85EC53ULL;
    return value ^ (value >> 33);
}

// Eight independent lanes of 32x32-bit products, two at a time in vector registers: a full card is
// 64 MiB of blocks, and a byte-serial hash cost more than reading them.
std::uint64_t blockHash(std::span<const std::uint8_t, BlockSize> block)
{
    std::array<std::uint64_t, Lanes> lanes = LaneKeys;
#if defined(__SSE2__)
    __m128i sums[Lanes / 2];
    __m128i keys[Lanes / 2];
    for (std::size_t pair = 0; pair < Lanes / 2; ++pair) {
        sums[pair] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(LaneKeys.data() + 2 * pair));
        keys[pair] = sums[pair];
    }
    for (std::size_t offset = 0; offset < BlockSize; offset += Lanes * WordSize) {
        for (std::size_t pair = 0; pair < Lanes / 2; ++pair) {
            const __m128i words =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(block.data() + offset + 2 * pair * WordSize));
            const __m128i keyed = _mm_xor_si128(words, keys[pair]);
            const __m128i product = _mm_mul_epu32(keyed, _mm_srli_epi64(keyed, 32));
            sums[pair] = _mm_add_epi64(sums[pair], _mm_add_epi64(words, product));
        }
    }
    std::memcpy(lanes.data(), sums, sizeof lanes);
#else
    for (std::size_t offset = 0; offset < BlockSize; offset += Lanes * WordSize) {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, block.data() + offset + lane * WordSize, WordSize);
            const std::uint64_t keyed = word ^ LaneKeys[lane];
            // The word itself keeps what the product may lose (a zero half).
            lanes[lane] += word + (keyed & 0xFFFFFFFFULL) * (keyed >> 32);
        }
    }
#endif
    // Each lane times an odd number is a bijection, so a change in any one lane changes the sum; the
    // products are independent, unlike a chain of mixes.
    std::uint64_t sum = 0;
    for (std::size_t lane = 0; lane < Lanes; ++lane)
        sum += lanes[lane] * LaneKeys[lane];
    return mix(sum);
}

} // namespace

void BlockDigest::add(std::span<const std::uint8_t, BlockSize> block)
{
    // Folding the blocks in FNV-1a's way makes their order count.
    value_ = (value_ ^ blockHash(block)) * FnvPrime;
}

} // namespace cardfile
