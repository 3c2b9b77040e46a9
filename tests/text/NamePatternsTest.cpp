// Device patterns and the names offered when a device isn't found.
#include "text/NamePatterns.h"

#include <gtest/gtest.h>

namespace regforge {
namespace {

TEST(NamePatterns, WildcardsMatchWholeNamesCaseAsWritten) {
  EXPECT_TRUE(matchesPattern("STM32WL55JCIx", "STM32WL5*"));
  EXPECT_TRUE(matchesPattern("STM32WL55JCIx", "*JC?x"));
  EXPECT_TRUE(matchesPattern("ARMCM0", "ARM*M*0"));  // back-tracks past an early "M"
  EXPECT_TRUE(matchesPattern("", "*"));
  EXPECT_FALSE(matchesPattern("STM32WL55JCIx", "STM32WL5"));
  EXPECT_FALSE(matchesPattern("STM32WL55JCIx", "stm32*"));
  EXPECT_FALSE(matchesPattern("ARMCM0P", "ARMC??"));
  EXPECT_FALSE(hasWildcard("STM32WL55JCIx"));
}

TEST(NamePatterns, ClosestNamesComeFirstIgnoringCaseAndKeepListOrderOnTies) {
  const std::vector<std::string> names{"ARMCM33", "ARMCM3", "ARMCM4", "ARMCM0", "ARMSC300"};
  EXPECT_EQ((std::vector<std::string>{"ARMCM3", "ARMCM33", "ARMCM4"}),
            closestNames("armcm3", names, 3));
  EXPECT_EQ(names.size(), closestNames("x", names, 9).size());
  // Every byte counts, the first ones too: one edit each, so the list's order stays.
  EXPECT_EQ((std::vector<std::string>{"QRX", "RS"}), closestNames("QRS", {"QRX", "RS"}, 2));
  EXPECT_EQ((std::vector<std::string>{"XRS", "QRSTU"}), closestNames("QRS", {"QRSTU", "XRS"}, 2));
}

}  // namespace
}  // namespace regforge
