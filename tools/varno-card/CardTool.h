#pragma once

#include <ostream>
#include <span>
#include <string>

// The card tool's commands: dump, make, template. `arguments` excludes the program name.
// Returns the exit status: 0 done, 1 the file could not be handled, 2 bad arguments; every failure
// is one line on `err`.
int runCardTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);
