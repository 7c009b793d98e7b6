#include "card/datafile/BlockDigest.h"

#include <functional>
#include <string_view>

namespace cardfile {

void BlockDigest::add(std::span<const std::uint8_t, BlockSize> block)
{
    // The library's string hash takes eight bytes at a step, fast enough for a full card; folding
    // the blocks in FNV-1a's way makes their order count.
    constexpr std::uint64_t FnvPrime = 1099511628211ULL;
    const std::uint64_t blockHash =
        std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
    value_ = (value_ ^ blockHash) * FnvPrime;
}

} // namespace cardfile
