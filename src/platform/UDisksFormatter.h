#pragma once

#include "platform/MediumFormatter.h"

// Formats through UDisks2, the disk service of Linux desktops, on the system bus: unmount, format
// as FAT with the medium's old label (the recorder reads nothing else), mount again. The service
// asks the user for permission where the system wants it.
class UDisksFormatter : public MediumFormatter {
public:
    Result format(const RemovableDrive& drive) override;
};
