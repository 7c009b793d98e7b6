#pragma once

// Schema version 2: entry times, corrections and the chains that make later changes visible.
namespace schemaversion2 {

// Adds the columns and tables and takes every row stored so far into the chains. Runs inside the
// migration's transaction.
void anlegen();

} // namespace schemaversion2
