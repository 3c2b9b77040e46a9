// -warn-off and -warn-only: which checks a run keeps, and the names it refuses.
#include "driver/WarningChoice.h"

#include <gtest/gtest.h>

#include "memorymap/WarningChecks.h"

namespace regforge {
namespace {

// Whether a warning of check is still counted after the choice.
bool kept(Diagnostics& diagnostics, const char* check) {
  const std::uint64_t before = diagnostics.count();
  diagnostics.warn(check, 1, "text");
  return diagnostics.count() > before;
}

// The cases warn/warn-off and warn/warn-only run each option alone.
TEST(WarningChoiceTest, WarnOnlyKeepsTheNamedChecksLessThoseTurnedOff) {
  Options options;
  options.warnOnly = "number,,access";  // an empty entry names nothing
  options.warnOff = "access";
  Diagnostics diagnostics;
  diagnostics.enable();
  ASSERT_FALSE(chooseChecks(options, diagnostics));
  EXPECT_TRUE(kept(diagnostics, "number"));
  EXPECT_FALSE(kept(diagnostics, "access"));
  EXPECT_FALSE(kept(diagnostics, "option"));
}

TEST(WarningChoiceTest, AnUnknownNameIsRefusedWithTheNames) {
  Options options;
  options.warnOnly = "number,Number";
  Diagnostics diagnostics;
  const std::optional<std::string> message = chooseChecks(options, diagnostics);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("error: -warn-only: no check \"Number\"; the checks are number, ", 0),
            0u);
  options.warnOnly = "number,,q";  // an empty entry names nothing; one letter is a name
  EXPECT_EQ(
      chooseChecks(options, diagnostics).value_or("").rfind("error: -warn-only: no check \"q\"", 0),
      0u);
}

TEST(WarningChoiceTest, HelpListsEveryCheckOnALineOfItsOwn) {
  const std::string help = checksUsage();
  for (std::size_t i = 0; i < kWarningCheckCount; ++i) {
    EXPECT_NE(help.find("\n  " + std::string(kWarningChecks[i].name) + " "), std::string::npos)
        << kWarningChecks[i].name;
  }
}

}  // namespace
}  // namespace regforge
