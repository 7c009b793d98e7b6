#pragma once

#include "audit/export/Verfahrensangaben.h"

// Reads the facts of the Verfahrensdokumentation from one state of the open logbook and the
// user's anchor file. Throws DatabaseError.
namespace VerfahrensangabenStore {

Verfahrensangaben lesen();

} // namespace VerfahrensangabenStore
