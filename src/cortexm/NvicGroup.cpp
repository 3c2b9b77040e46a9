// The NVIC register group: enable, pending, active and target-state registers with one bit per
// named interrupt, and the priority registers with one field per named interrupt.
#include <cstdio>
#include <string>

#include "cortexm/CoreClass.h"
#include "cortexm/CortexMSVDFile.h"
#include "text/Format.h"

namespace regforge {
namespace {

struct NvicBitRegister {
  const char* namePart;
  const char* description;
  std::uint32_t offset;  ///< from the group base
  bool readOnly;
  bool targetSecurity;  ///< exists on Armv8-M cores in the plain view only
};

// In creation order.
constexpr NvicBitRegister kNvicBitRegisters[] = {
    {"ISER", "Interrupt Set-Enable Register", 0x000, false, false},
    {"ICER", "Interrupt Clear-Enable Register", 0x080, false, false},
    {"ISPR", "Interrupt Set-Pending Register", 0x100, false, false},
    {"ICPR", "Interrupt Clear-Pending Register", 0x180, false, false},
    {"IABR", "Interrupt Active Bit Register", 0x200, true, false},
    {"ITNS", "Interrupt Target Non-secure Register", 0x280, false, true},
};

constexpr std::uint32_t kNvicBase = 0xE000E100;
constexpr std::uint32_t kNvicPriorityBase = 0xE000E400;
constexpr std::uint32_t kNonSecureAlias = 0x20000;

// "NVIC_ISER1_NS" and the like.
std::string nvicRegisterName(const char* part, std::int64_t r, const char* suffix) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "NVIC_%s%lld%s", part, static_cast<long long>(r), suffix);
  return buffer;
}

// "Interrupt Set-Enable Register 1" and the like.
std::string nvicRegisterDescription(const char* text, std::int64_t r) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%s %lld", text, static_cast<long long>(r));
  return buffer;
}

}  // namespace

void CortexMSVDFile::addNvicGroup(std::uint32_t coreType, std::uint32_t nvicPrioBits,
                                  std::int32_t irqStart, bool withDescriptions, bool nonSecure) {
  MemoryMapElement* root = rootElement();
  if (!root) return;
  const std::uint32_t base = nonSecure ? kNvicBase | kNonSecureAlias : kNvicBase;
  const std::uint32_t priorityBase =
      nonSecure ? kNvicPriorityBase | kNonSecureAlias : kNvicPriorityBase;
  const char* suffix = nonSecure ? "_NS" : "";
  // The text lives until the end of the full expression that adds the element.
  const auto description = [withDescriptions](const std::string& text) {
    return AttributeText(withDescriptions ? std::optional<std::string_view>(text) : std::nullopt);
  };
  MemoryMapElement* group =
      addRegisterGroup(root, hexUpper8Text(base), std::nullopt, nonSecure ? "NVIC_NS" : "NVIC",
                       description(std::string("Nested Vectored Interrupt Controller")));
  generatedNvic_ = group;

  // Bit b, and priority position b, carry the name of slot irqStart + b; the register counts
  // follow the highest named slot alone. Indices are 64-bit so irqStart + b cannot overflow.
  const std::int64_t last = maxInterrupt();
  for (const NvicBitRegister& kind : kNvicBitRegisters) {
    if (kind.targetSecurity && (nonSecure || !hasSecurityExtension(coreType))) continue;
    MemoryMapElement* current = nullptr;
    for (std::int64_t b = 0; b <= last; ++b) {
      if (b % 32 == 0) {
        const std::int64_t r = b / 32;
        current = addRegister(group,
                              hexUpper8Text(base + kind.offset + 4 * static_cast<std::uint32_t>(r)),
                              std::nullopt, kind.readOnly ? "ReadOnly" : nullptr,
                              nvicRegisterName(kind.namePart, r, suffix),
                              description(nvicRegisterDescription(kind.description, r)));
      }
      const std::string_view name = interruptName(irqStart + b);
      if (!name.empty()) addBitField(current, decimalText(b % 32), "1", name, std::nullopt);
    }
  }

  // The field is the implemented, most significant part of the interrupt's priority byte. A
  // priority-bit count of 0 or above 8 is taken as it is: a field of size 0, or one that
  // starts below its byte. Start and size are 32-bit numbers written signed, as the system
  // handler priority fields are, so a huge count gives the same kind of text in both.
  const std::string fieldSize = decimalText(static_cast<std::int32_t>(nvicPrioBits));
  MemoryMapElement* current = nullptr;
  for (std::int64_t i = 0; i <= last; ++i) {
    if (i % 4 == 0) {
      const std::int64_t r = i / 4;
      current = addRegister(group, hexUpper8Text(priorityBase + 4 * static_cast<std::uint32_t>(r)),
                            std::nullopt, std::nullopt, nvicRegisterName("IPR", r, suffix),
                            description(nvicRegisterDescription("Interrupt Priority Register", r)));
    }
    const std::string_view name = interruptName(irqStart + i);
    if (name.empty()) continue;
    const std::uint32_t start = static_cast<std::uint32_t>(8 * (i % 4) + 8) - nvicPrioBits;
    addBitField(current, decimalText(static_cast<std::int32_t>(start)), fieldSize, name,
                std::nullopt);
  }
}

}  // namespace regforge
