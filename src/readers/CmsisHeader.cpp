// The CMSIS device-header scan. The header is read in lines as C's fgets reads it into a
// 1024-byte buffer: a longer line arrives in pieces, and each piece is a line of its own.
#include "readers/CmsisHeader.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "memorymap/InterruptSlots.h"
#include "text/ByteText.h"
#include "text/Numbers.h"
#include "text/TextLines.h"

namespace regforge {
namespace {

constexpr int kLineBuffer = 1024;

struct HeaderEntry {
  std::string name;
  std::uint32_t number;
};

// A revision macro either names the core type or, for the two kinds of core type 0, only
// says whether it is the M0+.
struct CoreRevision {
  const char* macro;
  std::optional<std::uint32_t> coreType;
  bool cm0Plus = false;
};

// The first of these that a line holds decides.
constexpr CoreRevision kCoreRevisions[] = {
    {"__CM0_REV", std::nullopt}, {"__CM0PLUS_REV", std::nullopt, true},
    {"__CM3_REV", 3},            {"__CM4_REV", 4},
    {"__CM7_REV", 7},            {"__CM23_REV", 23},
    {"__CM33_REV", 33},
};

// The enumeration lines after "SysTick_IRQn": "  NAME_IRQn = number, ...".
std::vector<HeaderEntry> readEntries(std::string_view text) {
  TextLines lines(text, kLineBuffer);
  while (const std::optional<std::string_view> line = lines.next()) {
    if (std::strstr(line->data(), "SysTick_IRQn")) break;
  }
  std::vector<HeaderEntry> entries;
  while (const std::optional<std::string_view> line = lines.next()) {
    const char* name = line->data();
    while (*name == ' ')  // spaces only: leading tabs stay part of the name
      ++name;
    const char* irqn = std::strstr(name, "_IRQn");
    if (!irqn) continue;
    const char* equals = std::strchr(irqn + 1, '=');
    if (!equals) continue;
    entries.push_back(
        {std::string(name, static_cast<std::size_t>(irqn - name)), cNumber(equals + 1)});
  }
  return entries;
}

// The first decimal digit from the second character after the macro name on; the character
// right after the name is skipped, whatever it is. 0 when there is none.
unsigned digitAfter(const char* macroEnd) {
  if (*macroEnd == '\0') return 0;
  for (const char* at = macroEnd + 1; *at; ++at) {
    if (*at >= '0' && *at <= '9') return static_cast<unsigned>(*at - '0');
  }
  return 0;
}

void readDigit(const char* line, const char* macro, unsigned& value) {
  if (const char* at = std::strstr(line, macro)) value = digitAfter(at + std::strlen(macro));
}

// The core macros, over the whole file; later lines override earlier ones.
void readCoreData(std::string_view text, CmsisHeader& header) {
  TextLines lines(text, kLineBuffer);
  unsigned prioBits = 0;
  while (const std::optional<std::string_view> piece = lines.next()) {
    const char* line = piece->data();
    readDigit(line, "__MPU_PRESENT", header.mpu);
    readDigit(line, "__NVIC_PRIO_BITS", prioBits);
    readDigit(line, "__FPU_PRESENT", header.fpu);
    for (const CoreRevision& row : kCoreRevisions) {
      if (!std::strstr(line, row.macro)) continue;
      if (row.coreType)
        header.coreType = *row.coreType;
      else
        header.cm0Plus = row.cm0Plus;
      break;
    }
  }
  header.nvicPrioBits = prioBits;
}

// Entry n goes to position n, padded with empty entries; an entry numbered below the running
// position (out of order or repeated) takes the running position. The list is what that
// rule builds, cut after 512 entries: no later position names a slot, and a huge number
// must not make a huge list.
std::vector<std::string> buildInterruptList(const std::vector<HeaderEntry>& entries) {
  constexpr std::uint64_t kSlots = kInterruptSlots;
  std::vector<const std::string*> named;
  std::uint64_t position = 0;
  for (const HeaderEntry& entry : entries) {
    if (entry.number > position) position = entry.number;
    if (position < kSlots) {
      named.resize(static_cast<std::size_t>(position) + 1);
      named[static_cast<std::size_t>(position)] = &entry.name;
    }
    ++position;
  }
  std::vector<std::string> list;
  const std::uint64_t size = position < kSlots ? position : kSlots;
  list.reserve(static_cast<std::size_t>(size));
  for (std::uint64_t i = 0; i < size; ++i) {
    const std::string* name = i < named.size() ? named[static_cast<std::size_t>(i)] : nullptr;
    list.push_back(name ? *name : std::string());
  }
  return list;
}

}  // namespace

CmsisHeader scanCmsisHeader(std::string_view text, std::uint32_t coreType, bool mpu, bool fpu) {
  const std::vector<HeaderEntry> entries = readEntries(text);
  CmsisHeader header;
  header.coreType = coreType;
  header.mpu = mpu ? 1 : 0;
  header.fpu = fpu ? 1 : 0;
  readCoreData(text, header);
  header.interrupts = buildInterruptList(entries);
  return header;
}

}  // namespace regforge
