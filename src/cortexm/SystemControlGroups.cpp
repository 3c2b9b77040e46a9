// The Implementation Control Block and System Control Block groups of a core.
#include "cortexm/CoreClass.h"
#include "cortexm/CortexMSVDFile.h"
#include "cortexm/RegisterTable.h"
#include "cortexm/SystemControlTables.h"

namespace regforge {

void CortexMSVDFile::addSystemControlGroups(std::int32_t coreType, std::uint32_t nvicPrioBits,
                                            bool nonSecure) {
  TableView view;
  // The M0+ flag matters for core type 0 only: it brings VTOR.
  view.cores = coreClassOf(coreType, cm0Plus());
  view.nonSecure = nonSecure;
  view.nvicPrioBits = nvicPrioBits;
  addTableGroup(*this, kIcbTable, view);
  addTableGroup(*this, kScbTable, view);
}

}  // namespace regforge
