#include "card/datafile/FileHandle.h"

#include "card/datafile/CardFileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cardfile {

namespace {

int openFlags(FileHandle::Access access)
{
    switch (access) {
    case FileHandle::Access::Read:
        return O_RDONLY;
    case FileHandle::Access::ReadWrite:
        return O_RDWR;
    case FileHandle::Access::CreateOrReplace:
        return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

} // namespace

FileHandle::FileHandle(const std::filesystem::path& path, Access access) : path_(path)
{
    // Non-blocking only for the open itself, so a fifo or device chosen by mistake cannot hang us.
    descriptor_ = ::open(path.c_str(), openFlags(access) | O_CLOEXEC | O_NONBLOCK, 0644);
    if (descriptor_ < 0)
        fail("konnte nicht geöffnet werden.", errno);
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        ::close(descriptor_);
        descriptor_ = -1;
        fail("ist keine gewöhnliche Datei.", error);
    }
    ::fcntl(descriptor_, F_SETFL, ::fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
}

FileHandle::~FileHandle()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::uint64_t FileHandle::size() const
{
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0)
        fail("konnte nicht gelesen werden.", errno);
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t FileHandle::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t count = ::pread(descriptor_, buffer.data() + done, buffer.size() - done,
                                      static_cast<off_t>(offset + done));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            fail("konnte nicht gelesen werden.", errno);
        }
        if (count == 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    return done;
}

void FileHandle::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::pwrite(descriptor_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            fail("konnte nicht geschrieben werden.", errno);
        }
        if (count == 0)
            fail("konnte nicht geschrieben werden.", ENOSPC);
        done += static_cast<std::size_t>(count);
    }
}

void FileHandle::close()
{
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0 && errno != EINTR)
        fail("konnte nicht geschrieben werden.", errno);
}

void FileHandle::fail(std::string_view what, int error) const
{
    throw CardFileError(fileMessage(path_, what), std::error_code(error, std::generic_category()));
}

} // namespace cardfile
