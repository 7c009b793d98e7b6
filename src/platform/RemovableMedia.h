#pragma once

#include "platform/RemovableDrive.h"

#include <QString>

#include <memory>
#include <vector>

// The removable drives of the machine and what a card reset does to them.
class RemovableMedia {
public:
    virtual ~RemovableMedia() = default;

    // Mounted removable media in mount order, then the removable drives without a mounted medium.
    virtual std::vector<RemovableDrive> drives() const = 0;

    // Empties the medium for a fresh data file. Returns the root the medium is mounted at
    // afterwards (formatting may mount it anew elsewhere), or an empty text when it is not
    // mounted any more.
    virtual QString prepare(const RemovableDrive& drive) = 0;

    // Copies the file, replacing one that exists; false when that failed.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
};

// The running system's removable drives.
std::unique_ptr<RemovableMedia> systemRemovableMedia();
