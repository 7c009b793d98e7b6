#pragma once

#include "card/datafile/CardRecord.h"

#include <cstddef>

namespace cardfile {

// Takes the records of a reading one at a time instead of a list of them all: whoever turns a
// card into rows of its own needs no second copy of a full card's records beside those rows.
class RecordSink {
public:
    virtual ~RecordSink() = default;

    // Told once before the first record: how many records the file holds, as room to reserve and
    // as the whole of a progress display.
    virtual void expect(std::size_t records) = 0;
    // Each record in file order. The same object comes back refilled with the next record: copy
    // what must stay.
    virtual void take(const CardRecord& record) = 0;
};

} // namespace cardfile
