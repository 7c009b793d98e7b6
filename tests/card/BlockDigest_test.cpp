#include "card/datafile/BlockDigest.h"

#include <gtest/gtest.h>

#include <array>

using namespace cardfile;

namespace {

using Block = std::array<std::uint8_t, BlockSize>;

Block numberedBlock(std::uint8_t start)
{
    Block block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(start + i);
    return block;
}

std::uint64_t digestOf(std::initializer_list<Block> blocks)
{
    BlockDigest digest;
    for (const Block& block : blocks)
        digest.add(block);
    return digest.value();
}

} // namespace

TEST(BlockDigest, EqualBlocksGiveEqualDigests)
{
    EXPECT_EQ(digestOf({numberedBlock(1), numberedBlock(7)}), digestOf({numberedBlock(1), numberedBlock(7)}));
}

TEST(BlockDigest, EveryChangedByteChangesTheDigest)
{
    const Block original = numberedBlock(3);
    const std::uint64_t originalDigest = digestOf({original});
    for (std::size_t position = 0; position < BlockSize; ++position) {
        for (const std::uint8_t change : {std::uint8_t{0x01}, std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
            Block changed = original;
            changed[position] ^= change;
            EXPECT_NE(digestOf({changed}), originalDigest) << "byte " << position << " xor " << int{change};
        }
    }
}

TEST(BlockDigest, BlocksOfZerosAndOfFreeBytesDiffer)
{
    Block zeros;
    zeros.fill(0x00);
    Block free;
    free.fill(FreeByte);
    EXPECT_NE(digestOf({zeros}), digestOf({free}));
    EXPECT_NE(digestOf({zeros}), digestOf({}));
}

TEST(BlockDigest, TheOrderOfBlocksCounts)
{
    EXPECT_NE(digestOf({numberedBlock(1), numberedBlock(2)}), digestOf({numberedBlock(2), numberedBlock(1)}));
}
