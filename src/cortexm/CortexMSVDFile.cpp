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
const XMLElement* findGroup(const MemoryMap& map, std::string_view name) {
  return MemoryMap::findElementByAttribute(map.rootElement(), ElementKind::RegisterGroup, "name",
                                           name, false);
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

namespace {

// One "-pp" step: the group whose presence skips it, whether the core has the unit, and the
// generator of one view. A step makes the secure view, then its non-secure twin.
struct PpbStep {
  const char* group;
  bool (*exists)(const CortexMSVDFile& map);
  void (*add)(CortexMSVDFile& map, bool nonSecure);
};

constexpr PpbStep kPpbSteps[] = {
    {"NVIC", [](const CortexMSVDFile&) { return true; },
     [](CortexMSVDFile& map, bool nonSecure) {
       map.addNvicGroup(static_cast<std::uint32_t>(map.coreType()), map.nvicPrioBits(), 0, true,
                        nonSecure);
     }},
    {"SysTick", [](const CortexMSVDFile&) { return true; },
     [](CortexMSVDFile& map, bool nonSecure) { map.addSysTickGroup(nonSecure); }},
    {"SCB", [](const CortexMSVDFile&) { return true; },
     [](CortexMSVDFile& map, bool nonSecure) {
       map.addSystemControlGroups(map.coreType(), map.nvicPrioBits(), nonSecure);
     }},
    {"FPU", [](const CortexMSVDFile& map) { return map.fpuPresent(); },
     [](CortexMSVDFile& map, bool nonSecure) { map.addFpuGroup(map.coreType(), nonSecure); }},
    {"MPU", [](const CortexMSVDFile& map) { return map.mpuPresent(); },
     [](CortexMSVDFile& map, bool nonSecure) {
       map.addMpuGroup(map.coreType(), nonSecure);
       if (nonSecure) map.addSauGroup(map.coreType());  // the SAU exists in the secure view only
     }},
};

}  // namespace

// Whether a group of that name exists; one that is not the NVIC group generated for -nvic was
// read from the input, and -pp then leaves its own group out, which is worth a warning.
bool CortexMSVDFile::hasGroup(std::string_view name) {
  const XMLElement* found = findGroup(*this, name);
  if (found && found != generatedNvic_ && diagnostics().enabled()) {
    const std::string inputName(found->attribute("name").value_or(""));
    diagnostics().warn("core-group", 0,
                       "-pp adds no " + std::string(name) + " group: the input has the group \"" +
                           inputName + "\"; -remove " + inputName + " has -pp add its own");
  }
  return found != nullptr;
}

void CortexMSVDFile::addPpbGroups(bool nonSecure) {
  if (!rootElement()) return;
  // Each test is made when its step is reached, so it sees the groups of the earlier steps;
  // only the plain names are looked for.
  for (const PpbStep& step : kPpbSteps) {
    if (!step.exists(*this) || hasGroup(step.group)) continue;
    step.add(*this, false);
    if (nonSecure) step.add(*this, true);
  }
}

}  // namespace regforge
