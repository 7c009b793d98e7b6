#pragma once

#include <QStringList>

// Runs "ALTER TABLE <table> ADD COLUMN <column> <type>" statements (with the dialect's
// placeholders) of a schema step, each only where the table lacks the column: a logbook set back
// to an older version number by hand may have it already.
void spaltenHinzufuegen(const QStringList& anweisungen);
