#include "card/datafile/ResetTemplate.h"

#include "card/datafile/CardHeader.h"
#include "card/datafile/FileHandle.h"

#include <algorithm>

namespace cardfile {

std::vector<std::uint8_t> resetTemplateBytes()
{
    const HeaderBytes header = encodeHeader(CardLists{});
    std::vector<std::uint8_t> bytes(HeaderSize + BlockSize, FreeByte);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

void writeResetTemplate(const std::filesystem::path& path)
{
    FileHandle file(path, FileHandle::Access::CreateOrReplace);
    file.writeAt(0, resetTemplateBytes());
    file.close();
}

} // namespace cardfile
