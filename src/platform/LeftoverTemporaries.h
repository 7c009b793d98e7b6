#pragma once

#include <QString>

// Temporary files are written beside their target and renamed over it. A process killed in
// between leaves its temporary file behind, and SQLite's journal beside it. Their names carry
// the writing process's id, so a later run can remove what a dead process left and never touches
// a file that another running process is still writing.
namespace leftovers {

// The pattern QTemporaryFile fills in for a temporary of `fileName`:
// "<fileName>.varno-<process id>.XXXXXX.tmp".
QString temporaryName(const QString& fileName);

// Removes from `folder` the temporaries of this program, and SQLite's journal, WAL and shared-memory
// files beside them, whose process no longer runs. Returns how many files were removed; a file that
// cannot be removed is left as it is.
int removeOfDeadProcesses(const QString& folder);

// The temporary `path` with SQLite's files beside it, if any exist.
void removeWithCompanions(const QString& path);

} // namespace leftovers
