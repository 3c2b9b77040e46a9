#include "cortexm/CortexMSVDFile.h"

#include <cstdio>

namespace regforge {

void CortexMSVDFile::setCoreConfig(std::int32_t coreType, bool cm0Plus, std::uint32_t nvicPrioBits,
                                   bool mpuPresent, bool fpuPresent) {
  coreType_ = coreType;
  cm0Plus_ = cm0Plus;
  nvicPrioBits_ = nvicPrioBits;
  mpuPresent_ = mpuPresent;
  fpuPresent_ = fpuPresent;
}

void CortexMSVDFile::readCpu(const XMLElement&) {}

void CortexMSVDFile::setInterruptName(int number, std::string_view name) {
  if (number < 0 || number >= kInterruptSlots || name.empty()) return;
  std::string& slot = interruptNames_[static_cast<std::size_t>(number)];
  if (!slot.empty()) return;
  slot = name;
  if (number > maxInterrupt_) maxInterrupt_ = number;
}

void CortexMSVDFile::setInterruptNames(const QStringList& names) {
  clearInterruptNames();
  for (int i = 0; i < names.size() && i < kInterruptSlots; ++i) {
    const QByteArray name = names[i].toLatin1();
    setInterruptName(i, std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
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
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", nonSecure ? address | 0x20000u : address);
  return text;
}

std::string CortexMSVDFile::aliasName(std::string_view name, bool nonSecure) {
  std::string result(name);
  if (nonSecure) result += "_NS";
  return result;
}

void CortexMSVDFile::addPpbGroups(bool) {}

}  // namespace regforge
