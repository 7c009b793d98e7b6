#include "card/datafile/ResetTemplate.h"

#include "card/datafile/CardHeader.h"
#include "card/datafile/FileHandle.h"

namespace cardfile {

std::vector<std::uint8_t> resetTemplateBytes()
{
    const HeaderBytes header = encodeHeader(CardLists{});
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(HeaderSize + BlockSize, FreeByte);
    return bytes;
}

void writeResetTemplate(const std::filesystem::path& path)
{
    FileHandle file(path, FileHandle::Access::CreateOrReplace);
    file.writeAt(0, resetTemplateBytes());
    file.close();
}

} // namespace cardfile
