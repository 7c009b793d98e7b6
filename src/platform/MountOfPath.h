#pragma once

#include "platform/MountInfo.h"

#include <vector>

// The mount that holds `canonicalPath`: the one with the longest mount point that is the path or
// a parent of it; of equal mount points the last one, which hides the earlier ones. None when no
// mount holds it.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const QString& canonicalPath);
