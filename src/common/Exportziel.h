#pragma once

#include <QString>

// Where an export may write. Only regular files are written: a folder, a device, a fifo or a
// socket under the chosen name is refused, so an export run as root can never replace a device
// node with a file. A symbolic link is written through only when the caller says so; the file
// it leads to is then replaced, and the link stays.
namespace exportziel {

// The file to write for `pfad`: `pfad` itself, or with `verknuepfungFolgen` the end of its links.
// Throws VarnoError with a German message naming the target when it must not be written.
QString aufloesen(const QString& pfad, bool verknuepfungFolgen);

} // namespace exportziel
