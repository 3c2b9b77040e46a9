// Which checks -warn-off and -warn-only leave on, from their comma-separated lists.
#include "driver/WarningChoice.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "memorymap/WarningChecks.h"
#include "text/PrintableText.h"

namespace regforge {
namespace {

// The names of a list separated by ","; empty entries are no names.
std::vector<std::string_view> splitChecks(std::string_view list) {
  std::vector<std::string_view> names;
  while (!list.empty()) {
    const std::size_t comma = std::min(list.find(','), list.size());
    if (comma > 0) names.push_back(list.substr(0, comma));
    list.remove_prefix(std::min(comma + 1, list.size()));
  }
  return names;
}

std::optional<std::string> unknownCheck(const char* option,
                                        const std::optional<std::string>& list) {
  if (!list) return std::nullopt;
  for (std::string_view name : splitChecks(*list)) {
    if (isWarningCheck(name)) continue;
    return "error: " + std::string(option) + ": no check \"" + printable(name) +
           "\"; the checks are " + warningCheckNames() + "\n";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> chooseChecks(const Options& options, Diagnostics& diagnostics) {
  if (auto message = unknownCheck("-warn-off", options.warnOff)) return message;
  if (auto message = unknownCheck("-warn-only", options.warnOnly)) return message;
  if (options.warnOff) {
    for (std::string_view name : splitChecks(*options.warnOff))
      diagnostics.turnOff(name);
  }
  if (options.warnOnly) {
    const std::vector<std::string_view> kept = splitChecks(*options.warnOnly);
    for (std::size_t i = 0; i < kWarningCheckCount; ++i) {
      const std::string_view name = kWarningChecks[i].name;
      if (std::find(kept.begin(), kept.end(), name) == kept.end()) diagnostics.turnOff(name);
    }
  }
  return std::nullopt;
}

std::string checksUsage() {
  std::string text = "\nChecks of -warn and -strict, for -warn-off and -warn-only:\n";
  for (std::size_t i = 0; i < kWarningCheckCount; ++i) {
    std::string line = "  " + std::string(kWarningChecks[i].name);
    line.resize(std::max<std::size_t>(line.size() + 1, 27), ' ');
    text += line + kWarningChecks[i].about + "\n";
  }
  return text;
}

}  // namespace regforge
