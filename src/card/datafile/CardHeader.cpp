#include "card/datafile/CardHeader.h"

#include "card/datafile/Windows1252.h"

#include <algorithm>

namespace cardfile {

namespace {

using Slot = std::span<std::uint8_t, SlotSize>;
using ConstSlot = std::span<const std::uint8_t, SlotSize>;

void encodeEntry(const std::string& text, Slot slot)
{
    std::vector<std::uint8_t> bytes = utf8ToWindows1252(text);
    if (bytes.size() > MaxEntryLength)
        bytes.resize(MaxEntryLength);
    std::fill(slot.begin(), slot.end(), FreeByte);
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    slot[bytes.size()] = ' ';
}

std::string decodeEntry(ConstSlot slot)
{
    for (std::size_t i = 0; i + 1 < slot.size(); ++i) {
        if (slot[i] == ' ' && slot[i + 1] == FreeByte)
            return windows1252ToUtf8(slot.first(i));
    }
    return {};
}

void encodeList(const CardList& list, std::size_t firstSlot, HeaderBytes& header)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        encodeEntry(list[i], Slot(header.data() + (firstSlot + i) * SlotSize, SlotSize));
}

void decodeList(std::span<const std::uint8_t, HeaderReadSize> bytes, std::size_t firstSlot, CardList& list)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i] = decodeEntry(ConstSlot(bytes.data() + (firstSlot + i) * SlotSize, SlotSize));
}

} // namespace

bool hasIdentity(std::span<const std::uint8_t> fileStart)
{
    return fileStart.size() >= IdentityText.size() &&
           std::equal(IdentityText.begin(), IdentityText.end(), fileStart.begin(),
                      [](char expected, std::uint8_t actual) { return static_cast<std::uint8_t>(expected) == actual; });
}

HeaderBytes encodeHeader(const CardLists& lists)
{
    HeaderBytes header;
    header.fill(FreeByte);
    std::copy(IdentityText.begin(), IdentityText.end(), header.begin());
    encodeList(lists.places, FirstPlaceSlot, header);
    encodeList(lists.reasons, FirstReasonSlot, header);
    encodeList(lists.categories, FirstCategorySlot, header);
    return header;
}

CardLists decodeHeader(std::span<const std::uint8_t, HeaderReadSize> bytes)
{
    CardLists lists;
    decodeList(bytes, FirstPlaceSlot, lists.places);
    decodeList(bytes, FirstReasonSlot, lists.reasons);
    decodeList(bytes, FirstCategorySlot, lists.categories);
    return lists;
}

} // namespace cardfile
