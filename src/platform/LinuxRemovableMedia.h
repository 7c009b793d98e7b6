#pragma once

#include "platform/MediumFormatter.h"
#include "platform/RemovableMedia.h"

#include <memory>

// Removable drives as the Linux kernel reports them: mounted file systems from the mount table
// whose block device (or the disk it is a partition of) carries the kernel's "removable" flag,
// and removable disks with nothing mounted. The paths are parameters so a test can hand in a
// mount table and a sysfs tree of its own.
class LinuxRemovableMedia : public RemovableMedia {
public:
    struct Paths {
        QString mountInfo = QStringLiteral("/proc/self/mountinfo");
        QString sys = QStringLiteral("/sys");
    };

    // Without a formatter the medium is emptied file by file.
    LinuxRemovableMedia(Paths paths, std::unique_ptr<MediumFormatter> formatter);

    std::vector<RemovableDrive> drives() const override;
    QString prepare(const RemovableDrive& drive) override;
    bool copyFile(const QString& from, const QString& to) override;

private:
    Paths paths_;
    std::unique_ptr<MediumFormatter> formatter_;
};

// Removes every file and folder below the root, keeping the root itself; false when something
// stayed.
bool removeEverythingBelow(const QString& root);
