#pragma once

#include "audit/export/Exporttabelle.h"

#include <vector>

// The tables of the auditor's export, in the order index.xml lists them. A further table is one
// more entry here.
std::vector<Exporttabelle> prueftabellen();
