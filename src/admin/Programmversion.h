#pragma once

#include <QString>

// The program's version as the build stamps it (major, minor, patch, tweak), formatted with a
// printf format taking four numbers in that order, e.g. "%d.%d.%d.%d" gives "1.0.0.1".
QString GetAppVersion(const char* format);
