// The property tables that other classes' tables chain to, each defined beside the
// protocol of its class.
#pragma once

#include "packlib/core/property_table.h"

namespace velpack {

const PropertyChain& ObjectTable();
const PropertyChain& FrameTable();
const PropertyChain& ControlTable();

}  // namespace velpack
