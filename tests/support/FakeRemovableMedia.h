#pragma once

#include "platform/RemovableMedia.h"

#include <QStringList>
#include <QTemporaryDir>

// Removable drives for tests: each medium is a real folder in a temporary directory, so a reset
// writes a real data file that the test can read back.
class FakeRemovableMedia : public RemovableMedia {
public:
    // A mounted medium of the given size; its root is a fresh folder named `name`.
    RemovableDrive medium(const QString& name, std::uint64_t blockSize, std::uint64_t blockCount);
    RemovableDrive medium(const QString& name, std::uint64_t bytes) { return medium(name, 1, bytes); }
    // A removable drive without a medium (a card reader without a card).
    RemovableDrive ohneMedium(const QString& device);

    // Copying fails from now on, as when the template is missing or the card is full.
    void kopierenScheitert() { kopierenScheitert_ = true; }
    // Roots of the media prepared for a reset, in order.
    const QStringList& vorbereitet() const { return vorbereitet_; }

    std::vector<RemovableDrive> drives() const override { return drives_; }
    QString prepare(const RemovableDrive& drive) override;
    bool copyFile(const QString& from, const QString& to) override;

private:
    QTemporaryDir dir_;
    std::vector<RemovableDrive> drives_;
    QStringList vorbereitet_;
    bool kopierenScheitert_ = false;
};
