// The argument scan: exact names, arguments taken whatever they look like, file names.
#include "driver/Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/SVDFile.h"

namespace regforge {
namespace {

ScanResult scan(std::vector<const char*> words) {
  words.insert(words.begin(), "regforge");
  return scanArguments(static_cast<int>(words.size()), words.data());
}

TEST(OptionsTest, NeedsExactlyTwoFileNames) {
  EXPECT_EQ(scan({}).status, ScanResult::Status::Usage);
  EXPECT_EQ(scan({"in.svd"}).status, ScanResult::Status::Usage);
  EXPECT_EQ(scan({"a", "b", "c"}).status, ScanResult::Status::Usage);
  EXPECT_EQ(scan({"-pp", "in.svd", "-nb", "out.xml"}).status, ScanResult::Status::Run);
}

TEST(OptionsTest, UnknownWordsAreFileNames) {
  const ScanResult result = scan({"-PP", "in.svd", "out.xml"});
  EXPECT_EQ(result.status, ScanResult::Status::Usage);
  EXPECT_EQ(result.options.files, (std::vector<std::string>{"-PP", "in.svd", "out.xml"}));
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

TEST(OptionsTest, FlagsSetTheirFields) {
  const ScanResult result = scan({"-reg-size-bytes", "-ignore-description", "-tcf", "-ddf", "-mpu",
                                  "-fpu", "-nocmse", "-nb", "a", "b"});
  EXPECT_EQ(result.options.readOptions, kRegisterSizeInBytes | kNoDescriptions);
  EXPECT_TRUE(result.options.tcf && result.options.ddf && result.options.mpu &&
              result.options.fpu && result.options.nocmse && result.options.debug);
}

TEST(OptionsTest, AMissingArgumentHasItsOwnMessage) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"-irq-table", "Filename required for -irq-table option\n"},
      {"-irq-start", "Size required for -irq-start option\n"},
      {"-ignore-name", "Name required for -ignore-name option\n"},
      {"-rdt", "CPU required for -rdt option\n"},
      {"-nvic", "Num priority bits required for -nvic option\n"},
      {"-include", "Argument required for -include option\n"},
      {"-include-macros", "Argument required for -include-macros option\n"},
      {"-irqs", "Argument required for -irqs option\n"},
      {"-irqs2", "Argument required for -irqs2 option\n"},
      {"-remove", "Argument required for -remove option\n"},
      {"-core", "Core number required for -core option\n"},
  };
  for (const auto& [option, message] : cases) {
    const ScanResult result = scan({"in.svd", "out.xml", option});
    EXPECT_EQ(result.status, ScanResult::Status::MissingArgument) << option;
    EXPECT_STREQ(result.message, message);
  }
}

}  // namespace
}  // namespace regforge
