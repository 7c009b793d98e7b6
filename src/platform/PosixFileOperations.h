#pragma once

#include "platform/FileOperations.h"

// File operations on a POSIX file system: rename(2) replaces atomically, and data is flushed to
// the disk before a file takes its final name.
class PosixFileOperations : public FileOperations {
public:
    QString createTemporaryBeside(const QString& target) override;
    void copyReplacing(const QString& source, const QString& target) override;
    void renameReplacing(const QString& from, const QString& to) override;
    void removeIfExists(const QString& path) override;
};
