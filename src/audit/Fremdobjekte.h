#pragma once

#include <QStringList>

// Triggers, views, rules and tables in the logbook's database that the program did not create. A
// trigger or rule runs with every save and can change what is stored before its chain value is
// taken; a view or table may pose as the logbook to another reader. None belongs in a logbook.
namespace fremdobjekte {

// Each one found, as it is named in a finding: "Trigger „t_aendern“".
QStringList finden();

} // namespace fremdobjekte
