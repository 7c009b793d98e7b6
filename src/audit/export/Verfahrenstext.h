#pragma once

#include "audit/export/Verfahrensangaben.h"

#include <QString>

// The Verfahrensdokumentation as a document (HTML for Qt's rich text): how this logbook is kept,
// in sections, with what the program knows filled in and marked places the business completes.
namespace verfahrenstext {

// The marked place for what only the business knows.
QString zuErgaenzen(const QString& was);

QString html(const Verfahrensangaben& angaben);

} // namespace verfahrenstext
