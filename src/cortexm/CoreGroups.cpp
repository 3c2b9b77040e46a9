// The SysTick, FPU, MPU and SAU groups of a core.
#include "cortexm/CoreClass.h"
#include "cortexm/CoreTables.h"
#include "cortexm/CortexMSVDFile.h"
#include "cortexm/RegisterTable.h"

namespace regforge {
namespace {

TableView viewOf(std::int32_t coreType, bool nonSecure) {
  TableView view;
  view.cores = coreClassOf(coreType, false);  // the M0+ flag changes none of these groups
  view.nonSecure = nonSecure;
  return view;
}

}  // namespace

void CortexMSVDFile::addSysTickGroup(bool nonSecure) {
  addTableGroup(*this, kSysTickTable, viewOf(0, nonSecure));
}

void CortexMSVDFile::addFpuGroup(std::int32_t coreType, bool nonSecure) {
  addTableGroup(*this, kFpuTable, viewOf(coreType, nonSecure));
}

void CortexMSVDFile::addMpuGroup(std::int32_t coreType, bool nonSecure) {
  addTableGroup(*this, kMpuTable, viewOf(coreType, nonSecure));
}

// The SAU exists at its secure address only.
void CortexMSVDFile::addSauGroup(std::int32_t coreType) {
  addTableGroup(*this, kSauTable, viewOf(coreType, false));
}

}  // namespace regforge
