// The rows of the Implementation Control Block and the System Control Block.
#pragma once

#include "cortexm/RegisterTable.h"

namespace regforge {

/// Group ICB: made for every core type but 0.
extern const GroupTable kIcbTable;
/// Group SCB: made for every core type.
extern const GroupTable kScbTable;

}  // namespace regforge
