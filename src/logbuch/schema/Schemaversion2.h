#pragma once

#include <QStringList>

// Schema version 2: entry times, corrections and the chains that make later changes visible.
namespace schemaversion2 {

// The statements that add the columns, tables and index, with the dialect's placeholders.
const QStringList& definitionen();

// Runs them and takes every row stored so far into the chains. Runs inside the
// migration's transaction.
void anlegen();

} // namespace schemaversion2
