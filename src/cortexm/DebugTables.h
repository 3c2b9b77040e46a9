// The rows of the debug and trace groups.
#pragma once

#include "cortexm/RegisterTable.h"

namespace regforge {

/// Group Debug: debug control, DWT and FPB registers, made for every core class.
extern const GroupTable kDebugTable;
/// Group Trace: ITM and TPIU registers, made for every class but Armv6-M.
extern const GroupTable kTraceTable;

}  // namespace regforge
