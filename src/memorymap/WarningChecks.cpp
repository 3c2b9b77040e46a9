// The checks of -warn and -strict, with the one line each that --help and the manual give.
#include "memorymap/WarningChecks.h"

namespace regforge {

const WarningCheck kWarningChecks[] = {
    {"number", "an SVD number that converts to 0 or reads as octal"},
    {"size", "-standard: a register size that is no whole number of bytes"},
    {"derived-from", "a derivedFrom that names nothing"},
    {"derivation-cycle", "a derivedFrom chain that comes back to where it started"},
    {"duplicate-name", "a register, cluster or field name repeated in one scope"},
    {"duplicate-group", "a group name that the output holds more than once"},
    {"bit-field", "a bit field beyond its register's width, or overlapping another"},
    {"enum-value", "an enumerated value too large for its field"},
    {"missing", "a peripheral without baseAddress, a register without addressOffset"},
    {"access", "an access text the reader does not know"},
    {"dim-index", "a dimIndex with more or fewer names than dim copies"},
    {"registers", "-standard: a peripheral with more than one <registers>"},
    {"cluster", "-standard: clusters nested too deep to read"},
    {"interrupt", "an interrupt dropped: no decimal number, or 512 or more"},
    {"root-element", "an input whose root the chosen reader does not read"},
    {"option", "an option word that is not what the option takes"},
    {"core-group", "a core group left out, added over an input group, or replaced"},
    {"irq-start", "interrupt names below -irq-start that are left out"},
    {"array-limit", "an array cut by -array-limit"},
    {"pack-core", "a pack's core without tables of its own"},
    {"pack-letter-case", "a name from a pack found in other letter case"},
};

const std::size_t kWarningCheckCount = sizeof kWarningChecks / sizeof kWarningChecks[0];

bool isWarningCheck(std::string_view name) {
  for (std::size_t i = 0; i < kWarningCheckCount; ++i) {
    if (name == kWarningChecks[i].name) return true;
  }
  return false;
}

std::string warningCheckNames() {
  std::string names;
  for (std::size_t i = 0; i < kWarningCheckCount; ++i)
    names += (i == 0 ? "" : ", ") + std::string(kWarningChecks[i].name);
  return names;
}

}  // namespace regforge
