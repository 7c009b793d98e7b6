#include "card/datafile/HugePages.h"

#include <cstdint>

#include <sys/mman.h>

namespace cardfile {

namespace {

constexpr std::uintptr_t HugePageSize = std::uintptr_t{2} << 20;

} // namespace

void preferHugePages(const void* start, std::size_t bytes)
{
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t firstWhole = (begin + HugePageSize - 1) & ~(HugePageSize - 1);
    const std::uintptr_t endOfWhole = (begin + bytes) & ~(HugePageSize - 1);
    // A failure leaves the memory as it was, which is all a hint can promise.
    if (endOfWhole > firstWhole)
        ::madvise(reinterpret_cast<void*>(firstWhole), endOfWhole - firstWhole, MADV_HUGEPAGE);
}

} // namespace cardfile
