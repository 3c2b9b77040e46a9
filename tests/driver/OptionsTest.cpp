// The options a pack run keeps, and the core and NVIC numbers that pass without a warning; the
// case driver/option-numbers shows how numbers are read and repeated options overwrite.
#include "driver/Options.h"
#include "driver/RunChecks.h"
#include "memorymap/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace regforge {
namespace {

ScanResult scan(std::vector<const char*> words) {
  words.insert(words.begin(), "regforge");
  return scanArguments(static_cast<int>(words.size()), words.data());
}

// A pack run keeps the options past the words it was given, for every device.
TEST(OptionsTest, TheOptionsOutliveTheWords) {
  std::vector<std::string> words{"regforge", "-irq-table", "vec", "-core", "4", "in", "out"};
  std::vector<const char*> argv;
  for (const std::string& word : words)
    argv.push_back(word.c_str());
  const ScanResult result = scanArguments(static_cast<int>(argv.size()), argv.data());
  for (std::string& word : words)
    word.assign(word.size(), 'x');
  EXPECT_EQ(result.options.irqTable, "vec");
  EXPECT_EQ(result.options.coreText, "4");
  EXPECT_EQ(result.options.files, (std::vector<std::string>{"in", "out"}));
}

// What checkOptions says of the core and NVIC numbers given.
std::string optionWarnings(std::vector<const char*> words) {
  words.push_back("a");
  words.push_back("b");
  Diagnostics diagnostics;
  diagnostics.enable();
  checkOptions(scan(words).options, diagnostics);
  return diagnostics.takeText();
}

TEST(OptionsTest, OnlySupportedCoresAndOneToEightPriorityBitsPassSilently) {
  for (const char* core : {"0", "3", "4", "7", "23", "33", "55"})
    EXPECT_EQ(optionWarnings({"-core", core}), "") << core;
  EXPECT_NE(optionWarnings({"-core", "5"}).find("-core \"5\" is not a core number"),
            std::string::npos);
  EXPECT_EQ(optionWarnings({"-nvic", "1"}), "");
  EXPECT_EQ(optionWarnings({"-nvic", "8"}), "");
  EXPECT_NE(optionWarnings({"-nvic", "9"}).find("-nvic \"9\" is not a number of priority bits"),
            std::string::npos);
  EXPECT_NE(optionWarnings({"-nvic", "0"}).find("no NVIC group made"), std::string::npos);
}

}  // namespace
}  // namespace regforge
