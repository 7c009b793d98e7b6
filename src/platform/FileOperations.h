#pragma once

#include "common/VarnoError.h"

#include <QString>

// A file operation failed; the message names the file and the system's reason in German.
class FileError : public VarnoError {
public:
    using VarnoError::VarnoError;
};

// The file operations behind backup and restore. A file is only ever replaced as a whole: new
// content is written under a temporary name in the target's directory and renamed over the
// target, so the target is always either the old file or the complete new one.
class FileOperations {
public:
    virtual ~FileOperations() = default;

    // Creates a new, empty file beside `target` readable only by its owner and returns its path;
    // its name (leftovers::temporaryName) tells a leftover of a process that died.
    virtual QString createTemporaryBeside(const QString& target) = 0;
    // Copies `source` to `target`, replacing a file there only when the copy is complete.
    virtual void copyReplacing(const QString& source, const QString& target) = 0;
    // Renames `from` to `to` in one step, replacing `to` if it exists.
    virtual void renameReplacing(const QString& from, const QString& to) = 0;
    // Removes the file if it exists.
    virtual void removeIfExists(const QString& path) = 0;

    // The operations of the running system.
    static FileOperations& system();
};
