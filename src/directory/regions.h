#pragma once
// The regions of the Russian Federation with their two-digit codes, in the order
// the region list shows them.
#include <vector>

#include "directory/inspection_directory.h"

namespace kvz {

const std::vector<DirectoryEntry>& RegionRows();

}  // namespace kvz
