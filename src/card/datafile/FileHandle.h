#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace cardfile {

// An open data file. Linux opens files shared, so the recorder's tools or a file manager may keep
// it open at the same time. Every failure throws CardFileError with a German message naming the
// file; short reads and interrupted calls are continued, never passed on as a short result.
class FileHandle {
public:
    enum class Access { Read, ReadWrite, CreateOrReplace };

    FileHandle(const std::filesystem::path& path, Access access);
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    std::uint64_t size() const;
    // Fills `buffer` from `offset`; fewer bytes only at the end of the file.
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;
    void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Closing reports what the system could not write back; the destructor closes silently.
    void close();

private:
    [[noreturn]] void fail(std::string_view what, int error) const;

    std::filesystem::path path_;
    int descriptor_ = -1;
};

} // namespace cardfile
