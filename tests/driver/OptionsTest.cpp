// The argument scan: exact names, arguments taken whatever they look like, file names.
#include "driver/Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace regforge {
namespace {

ScanResult scan(std::vector<const char*> words) {
  words.insert(words.begin(), "regforge");
  return scanArguments(static_cast<int>(words.size()), words.data());
}

TEST(OptionsTest, AnOptionTakesTheNextWordWhateverItIs) {
  const ScanResult result = scan({"-irq-table", "-nb", "in.svd", "out.xml"});
  ASSERT_EQ(result.status, ScanResult::Status::Run);
  EXPECT_STREQ(result.options.irqTable, "-nb");
  EXPECT_FALSE(result.options.debug);
}

TEST(OptionsTest, ConvertsNumbersLikeStrtoul) {
  const ScanResult result =
      scan({"-nvic", "0x3", "-core", "033", "-irq-start", "junk", "in", "out"});
  EXPECT_EQ(result.options.nvicPrioBits, 3u);
  EXPECT_EQ(result.options.core, 27u);
  EXPECT_EQ(result.options.irqStart, 0u);
  EXPECT_EQ(scan({"-irq-start", "4294967295", "a", "b"}).options.irqStart, 0xFFFFFFFFu);
}

TEST(OptionsTest, RepeatedOptionsOverwrite) {
  const ScanResult result = scan({"-core", "4", "-core", "7", "-pp", "-pp", "a", "b"});
  EXPECT_EQ(result.options.core, 7u);
  EXPECT_TRUE(result.options.ppb);
}

}  // namespace
}  // namespace regforge
