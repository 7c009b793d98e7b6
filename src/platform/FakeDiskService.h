#pragma once

#include "platform/DiskService.h"

#include <QHash>

// For tests: knows the UUIDs it was told, and nothing when told none (as when the service is missing).
class FakeDiskService : public DiskService {
public:
    void setUuid(const QString& device, const QString& uuid) { uuids_.insert(device, uuid); }

    std::optional<QString> fileSystemUuid(const QString& device) const override
    {
        const auto found = uuids_.constFind(device);
        return found == uuids_.constEnd() ? std::nullopt : std::optional<QString>(*found);
    }

private:
    QHash<QString, QString> uuids_;
};
