#include "card/Kartengroesse.h"

#include <limits>

namespace kartengroesse {

std::uint64_t inBytes(std::uint64_t blockGroesse, std::uint64_t bloecke)
{
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(blockGroesse, bloecke, &bytes))
        return std::numeric_limits<std::uint64_t>::max();
    return bytes;
}

} // namespace kartengroesse
