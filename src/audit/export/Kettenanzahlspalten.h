#pragma once

#include "audit/export/Exportspalte.h"

#include <vector>

// The entries of each chain at a noted state, one column per chain in the chains' order: an
// anchor and a time stamp both name their state this way.
std::vector<Exportspalte> kettenanzahlspalten();
