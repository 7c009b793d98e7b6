#pragma once

#include <QString>

// An empty logbook of schema version 1, as the program stored it before the chain, at
// `verzeichnis`/`name`; the connection is closed again.
QString altesLogbuch(const QString& verzeichnis, const QString& name = QStringLiteral("varno.db"));
