#pragma once

#include "audit/export/Exporttabelle.h"

// The anchors of this logbook in the user's anchor file (pruefwerte.txt): each state of the
// logbook that was noted outside it, so the auditor can compare them with the chain.
Exporttabelle ankertabelle();
