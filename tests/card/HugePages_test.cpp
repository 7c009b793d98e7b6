#include "card/datafile/HugePages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace cardfile;

namespace {

constexpr std::uintptr_t HugePage = std::uintptr_t{2} << 20;

// The kernel's flags ("VmFlags") of the mapping that holds `address`, as /proc/self/smaps tells them.
std::string mappingFlags(std::uintptr_t address)
{
    std::ifstream smaps("/proc/self/smaps");
    bool inMapping = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintptr_t start = 0;
        std::uintptr_t end = 0;
        char dash = 0;
        std::istringstream header(line);
        if (header >> std::hex >> start >> dash >> end && dash == '-')
            inMapping = start <= address && address < end;
        else if (inMapping && line.starts_with("VmFlags:"))
            return line + ' ';
    }
    return {};
}

bool advisedForHugePages(std::uintptr_t address)
{
    return mappingFlags(address).find(" hg ") != std::string::npos;
}

class HugePages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage"))
            GTEST_SKIP() << "Dieser Kernel kennt keine großen Seiten.";
    }
};

} // namespace

TEST_F(HugePages, TheWholeHugePagesOfALargeBufferAreAdvised)
{
    std::vector<std::uint8_t> buffer(8 << 20, 0x5A);
    preferHugePages(buffer.data(), buffer.size());
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t firstWhole = (start + HugePage - 1) & ~(HugePage - 1);
    EXPECT_TRUE(advisedForHugePages(firstWhole));
    EXPECT_TRUE(advisedForHugePages(firstWhole + 2 * HugePage - 1));
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 0x5A), static_cast<std::ptrdiff_t>(buffer.size()));
}

TEST_F(HugePages, ABufferWithoutAWholeHugePageStaysAsItIs)
{
    std::vector<std::uint8_t> buffer(HugePage / 2, 0x5A);
    preferHugePages(buffer.data(), buffer.size());
    EXPECT_FALSE(advisedForHugePages(reinterpret_cast<std::uintptr_t>(buffer.data())));
    EXPECT_FALSE(advisedForHugePages(reinterpret_cast<std::uintptr_t>(buffer.data() + buffer.size() - 1)));
}
