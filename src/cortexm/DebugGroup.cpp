// The debug and trace groups of a core, selected by its debug class.
#include "cortexm/CoreClass.h"
#include "cortexm/CortexMSVDFile.h"
#include "cortexm/DebugTables.h"
#include "cortexm/RegisterTable.h"

namespace regforge {
namespace {

struct DebugClass {
  std::int32_t coreType;
  CoreSet cores;
  std::uint32_t dwtComparators;
  std::uint32_t fpbComparators;
};

constexpr DebugClass kDebugClasses[] = {
    {0, kDebugV6, 2, 4},   {3, kDebugV7, 4, 8},          {4, kDebugV7, 4, 8},
    {7, kDebugV7, 4, 8},   {23, kDebugV8Baseline, 2, 4}, {33, kDebugV8Mainline, 4, 8},
    {55, kDebugV81, 4, 8}, {85, kDebugV81, 4, 8},
};

/// The class of a core number; any number not listed has no comparators.
TableView debugViewOf(std::int32_t coreType) {
  TableView view;
  view.cores = kDebugOther;
  for (const DebugClass& row : kDebugClasses) {
    if (row.coreType != coreType) continue;
    view.cores = row.cores;
    view.dwtComparators = row.dwtComparators;
    view.fpbComparators = row.fpbComparators;
  }
  return view;
}

}  // namespace

void CortexMSVDFile::addDebugGroup(std::int32_t coreType) {
  const TableView view = debugViewOf(coreType);
  addTableGroup(*this, kDebugTable, view);
  addTableGroup(*this, kTraceTable, view);
}

}  // namespace regforge
