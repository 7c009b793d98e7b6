#pragma once

#include "platform/PosixFileOperations.h"

// Real file operations, except that copying a file whose name ends in `endung` fails, as on a
// full disk.
class KopierenScheitert : public PosixFileOperations {
public:
    explicit KopierenScheitert(QString endung) : endung_(std::move(endung)) {}

    void copyReplacing(const QString& source, const QString& target) override
    {
        if (source.endsWith(endung_))
            throw FileError(QStringLiteral("Der Datenträger ist voll."));
        PosixFileOperations::copyReplacing(source, target);
    }

private:
    QString endung_;
};
