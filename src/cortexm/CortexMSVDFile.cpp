// The core description, the interrupt-name table, the address and name texts of the core
// groups, and the assembly of those groups for "-pp".
#include "cortexm/CortexMSVDFile.h"


#include "text/Format.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

struct CoreName {
  std::string_view name;
  std::int32_t coreType;
  bool setsCm0Plus;  ///< the name decides cm0Plus (M0 and M0+ only)
  bool cm0Plus;
};

// The <cpu> names that set the core type, compared exactly.
constexpr CoreName kCoreNames[] = {
    {"CM0", 0, true, false},    {"CM0PLUS", 0, true, true}, {"CM0+", 0, true, true},
    {"CM3", 3, false, false},   {"CM4", 4, false, false},   {"CM7", 7, false, false},
    {"CM23", 23, false, false}, {"CM33", 33, false, false}, {"CM55", 55, false, false},
};

bool isTrueText(std::string_view text) {
  return text == "1" || text == "true";
}

// A register group of that name, ignoring case, anywhere in the map.
bool hasGroup(const MemoryMap& map, std::string_view name) {
  return MemoryMap::findElementByAttribute(map.rootElement(), ElementKind::RegisterGroup, "name",
                                           name, false) != nullptr;
}

}  // namespace

void CortexMSVDFile::setCoreConfig(std::int32_t coreType, bool cm0Plus, std::uint32_t nvicPrioBits,
                                   bool mpuPresent, bool fpuPresent) {
  coreType_ = coreType;
  cm0Plus_ = cm0Plus;
  nvicPrioBits_ = nvicPrioBits;
  mpuPresent_ = mpuPresent;
  fpuPresent_ = fpuPresent;
}

void CortexMSVDFile::readCpu(const XMLElement& cpu) {
  const std::string_view name = childText(&cpu, "name");
  for (const CoreName& row : kCoreNames) {
    if (row.name != name) continue;
    coreType_ = row.coreType;
    if (row.setsCm0Plus) cm0Plus_ = row.cm0Plus;
    break;
  }
  mpuPresent_ = isTrueText(childText(&cpu, "mpuPresent"));
  // Cortex-M0, M0+ and M3 have no FPU option, whatever the file says.
  if (coreType_ > 3) fpuPresent_ = isTrueText(childText(&cpu, "fpuPresent"));
  nvicPrioBits_ = toUnsigned(childText(&cpu, "nvicPrioBits"), 10);
}

void CortexMSVDFile::setInterruptName(int number, std::string_view name) {
  if (number < 0 || number >= kInterruptSlots || name.empty()) return;
  std::string& slot = interruptNames_[static_cast<std::size_t>(number)];
  if (!slot.empty()) return;  // the first name given for an interrupt wins
  slot = name;
  if (number > maxInterrupt_) maxInterrupt_ = number;
}

void CortexMSVDFile::setInterruptNames(const std::vector<std::string>& names) {
  clearInterruptNames();
  // Positions of 512 and more name no slot.
  const int count =
      names.size() < kInterruptSlots ? static_cast<int>(names.size()) : kInterruptSlots;
  for (int i = 0; i < count; ++i) {
    setInterruptName(i, names[static_cast<std::size_t>(i)]);
  }
}

void CortexMSVDFile::clearInterruptNames() {
  for (std::string& slot : interruptNames_)
    slot.clear();
}

std::string_view CortexMSVDFile::interruptName(std::int64_t index) const {
  if (index < 0 || index >= kInterruptSlots) return {};
  return interruptNames_[static_cast<std::size_t>(index)];
}

std::string CortexMSVDFile::addressText(std::uint32_t address, bool nonSecure) {
  // The non-secure alias of a PPB register lies at the secure address with bit 17 set.
  return hexUpperText(nonSecure ? address | 0x20000u : address);
}

std::string CortexMSVDFile::aliasName(std::string_view name, bool nonSecure) {
  std::string result(name);
  if (nonSecure) result += "_NS";
  return result;
}

void CortexMSVDFile::addPpbGroups(bool nonSecure) {
  if (!rootElement()) return;
  // Each test is made when its step is reached, so it sees the groups of the earlier steps;
  // only the plain names are looked for.
  if (!hasGroup(*this, "NVIC")) {
    addNvicGroup(static_cast<std::uint32_t>(coreType_), nvicPrioBits_, 0, true, false);
    if (nonSecure)
      addNvicGroup(static_cast<std::uint32_t>(coreType_), nvicPrioBits_, 0, true, true);
  }
  if (!hasGroup(*this, "SysTick")) {
    addSysTickGroup(false);
    if (nonSecure) addSysTickGroup(true);
  }
  if (!hasGroup(*this, "SCB")) {
    addSystemControlGroups(coreType_, nvicPrioBits_, false);
    if (nonSecure) addSystemControlGroups(coreType_, nvicPrioBits_, true);
  }
  if (fpuPresent_ && !hasGroup(*this, "FPU")) {
    addFpuGroup(coreType_, false);
    if (nonSecure) addFpuGroup(coreType_, true);
  }
  if (mpuPresent_ && !hasGroup(*this, "MPU")) {
    addMpuGroup(coreType_, false);
    if (nonSecure) {
      addMpuGroup(coreType_, true);
      addSauGroup(coreType_);  // the SAU exists in the secure view only
    }
  }
}

}  // namespace regforge
