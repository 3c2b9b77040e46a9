// The rules that keep a pack's texts harmless: a name becomes a file name only when it can't
// leave its folder or name a device, a path stays inside its folder, and printed text holds
// no byte that a terminal obeys.
#include <gtest/gtest.h>

#include <string>

#include "text/FileNames.h"
#include "text/PrintableText.h"
#include "text/RelativePath.h"

namespace regforge {
namespace {

TEST(FileNameRuleTest, OrdinaryDeviceNamesAreFileNames) {
  for (const char* name : {"STM32F407VG", "nRF52840_xxAA", "ARMCM33_DSP_FP", "a.b", "CONSOLE",
                           "COM10", "LPT", "d\xc3\xa9vice"}) {
    EXPECT_EQ(fileNameProblem(name), nullptr) << name;
  }
}

// The case hostile/device-names holds a name of each kind refused with its message; these
// are the spellings and bounds it doesn't.
TEST(FileNameRuleTest, EverySpellingOfARefusedNameIsRefused) {
  for (const char* name :
       {"/x", "\\x", "..", "con", "aux .x", "com0", "lpt9", "PRN", "a\nb", "a*b"}) {
    EXPECT_NE(fileNameProblem(name), nullptr) << name;
  }
  EXPECT_STREQ(fileNameProblem(""), "the name is empty");
  EXPECT_EQ(fileNameProblem(std::string(kLongestFileName, 'x')), nullptr);
  EXPECT_NE(fileNameProblem(std::string(kLongestFileName + 1, 'x')), nullptr);
}

TEST(PrintableTextTest, DeleteIsEscapedAndNonAsciiBytesKept) {
  EXPECT_EQ(printable("x\x7f"), "x\\x7f");
  EXPECT_EQ(printable("d\xc3\xa9vice \\ x"), "d\xc3\xa9vice \\ x");
  EXPECT_EQ(printable("LLL", 3), "LLL");
}

TEST(RelativePathTest, StepsAreAppliedInsideTheFolder) {
  EXPECT_EQ(relativePath("Svd/x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("Svd\\x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("./Svd//sub/../x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("Svd/x.svd").problem, nullptr);
}

// The case hostile/svd-paths holds most kinds; these are the rest.
TEST(RelativePathTest, PathsOutOfTheFolderAreRefused) {
  EXPECT_STREQ(relativePath("\\\\server\\x").problem, "is absolute");
  EXPECT_STREQ(relativePath("C:\\x.svd").problem, "names a drive");
  EXPECT_STREQ(relativePath("Svd/..").problem, "names no file");
  EXPECT_STREQ(relativePath("").problem, "is empty");
}

}  // namespace
}  // namespace regforge
