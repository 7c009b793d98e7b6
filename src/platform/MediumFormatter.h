#pragma once

#include "platform/RemovableDrive.h"

#include <QString>

// Formats a removable medium through a service of the desktop.
class MediumFormatter {
public:
    struct Result {
        bool formatted = false;
        // Where the medium is mounted afterwards; empty when it is not mounted.
        QString root;
    };

    virtual ~MediumFormatter() = default;
    // Not formatted and still mounted at the drive's root when the service is missing or refuses.
    virtual Result format(const RemovableDrive& drive) = 0;
};
