// The names of the checks that warnings belong to, each with the line that --help and the
// manual give it; -warn-off and -warn-only take these names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace regforge {

struct WarningCheck {
  const char* name;
  const char* about;  ///< what its warnings tell, in one line
};

/// Every check, in the order --help lists them.
extern const WarningCheck kWarningChecks[];
extern const std::size_t kWarningCheckCount;

/// Whether name is the name of a check.
bool isWarningCheck(std::string_view name);

/// The check names joined by ", ", for a message about a name that is none.
std::string warningCheckNames();

}  // namespace regforge
