#pragma once

#include <cstddef>

namespace cardfile {

// Asks the system to back the whole 2 MiB pages within the `bytes` from `start` by huge pages. A
// full card's records, and the rows made of them, fill over 20 MB each: mapped page by page that
// is five thousand page faults for every reading, which on a virtual machine cost more than the
// reading itself. Only a hint: where the system keeps huge pages for itself, nothing changes.
void preferHugePages(const void* start, std::size_t bytes);

} // namespace cardfile
