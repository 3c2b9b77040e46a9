// The temporary file's contract: what is appended is read back at any offset.
#include "platform/TempFile.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

TEST(TempFileTest, AppendedBytesAreReadBackAtAnyOffset) {
  TempFile file;
  EXPECT_FALSE(file.isOpen());
  ASSERT_TRUE(file.create());
  EXPECT_TRUE(file.isOpen());
  ASSERT_TRUE(file.write("0123456789", 10));
  std::string out(4, '\0');
  ASSERT_TRUE(file.readAt(&out[0], 3, 4));
  EXPECT_EQ(out, "3456");
  // Appending follows the reads, at the end.
  ASSERT_TRUE(file.write("abc", 3));
  ASSERT_TRUE(file.readAt(&out[0], 9, 4));
  EXPECT_EQ(out, "9abc");
  EXPECT_FALSE(file.readAt(&out[0], 12, 4));  // past the end
}

TEST(TempFileTest, CreatingAgainKeepsTheFile) {
  TempFile file;
  ASSERT_TRUE(file.create());
  ASSERT_TRUE(file.write("kept", 4));
  ASSERT_TRUE(file.create());
  std::string out(4, '\0');
  ASSERT_TRUE(file.readAt(&out[0], 0, 4));
  EXPECT_EQ(out, "kept");
}

}  // namespace
}  // namespace regforge
