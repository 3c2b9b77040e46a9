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

TEST(FileNameRuleTest, NamesThatCouldLeaveTheFolderAreRefused) {
  for (const char* name : {"../x", "..\\x", "a/b", "/x", "\\x", "C:x", "..", "a..b"}) {
    EXPECT_NE(fileNameProblem(name), nullptr) << name;
  }
}

TEST(FileNameRuleTest, NamesWindowsReservesAreRefusedEverywhere) {
  for (const char* name : {"CON", "con", "NUL.txt", "aux .x", "COM1", "lpt9", "PRN"}) {
    EXPECT_STREQ(fileNameProblem(name), "Windows reserves the name for a device") << name;
  }
}

TEST(FileNameRuleTest, ControlBytesEndsAndLengthAreRefused) {
  EXPECT_STREQ(fileNameProblem("a\x1b[31m"), "the name holds a control byte");
  EXPECT_STREQ(fileNameProblem("a\nb"), "the name holds a control byte");
  EXPECT_STREQ(fileNameProblem("a."), "the name ends in a dot or a space");
  EXPECT_STREQ(fileNameProblem("a "), "the name ends in a dot or a space");
  EXPECT_STREQ(fileNameProblem(""), "the name is empty");
  EXPECT_EQ(fileNameProblem(std::string(kLongestFileName, 'x')), nullptr);
  EXPECT_STREQ(fileNameProblem(std::string(kLongestFileName + 1, 'x')),
               "the name is longer than 200 bytes");
  EXPECT_STREQ(fileNameProblem("a*b"), "the name holds a character that Windows refuses");
}

TEST(PrintableTextTest, ControlBytesAreEscapedAndOthersKept) {
  EXPECT_EQ(printable("ctl\x1b[31mRED\nx\x7f"), "ctl\\x1b[31mRED\\x0ax\\x7f");
  EXPECT_EQ(printable("d\xc3\xa9vice \\ x"), "d\xc3\xa9vice \\ x");
}

TEST(PrintableTextTest, ALongTextIsCutWithItsLength) {
  EXPECT_EQ(printable(std::string(5000, 'L'), 3), "LLL... (5000 bytes)");
  EXPECT_EQ(printable("LLL", 3), "LLL");
}

TEST(RelativePathTest, StepsAreAppliedInsideTheFolder) {
  EXPECT_EQ(relativePath("Svd/x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("Svd\\x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("./Svd//sub/../x.svd").path, "Svd/x.svd");
  EXPECT_EQ(relativePath("Svd/x.svd").problem, nullptr);
}

TEST(RelativePathTest, PathsOutOfTheFolderAreRefused) {
  EXPECT_STREQ(relativePath("/etc/hostname").problem, "is absolute");
  EXPECT_STREQ(relativePath("\\\\server\\x").problem, "is absolute");
  EXPECT_STREQ(relativePath("C:\\x.svd").problem, "names a drive");
  EXPECT_STREQ(relativePath("c:x.svd").problem, "names a drive");
  EXPECT_STREQ(relativePath("../x.svd").problem, "leaves the pack");
  EXPECT_STREQ(relativePath("Svd/../../x.svd").problem, "leaves the pack");
  EXPECT_STREQ(relativePath("Svd/..").problem, "names no file");
  EXPECT_STREQ(relativePath("").problem, "is empty");
  EXPECT_STREQ(relativePath("a\x1b.svd").problem, "holds a control byte");
}

}  // namespace
}  // namespace regforge
