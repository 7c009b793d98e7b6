#pragma once

#include "audit/export/Exporttabelle.h"

// The time stamps stored in the protocol, with the state each covers and its token, so the
// auditor can verify them with his own tools (openssl ts -verify).
Exporttabelle zeitstempeltabelle();
