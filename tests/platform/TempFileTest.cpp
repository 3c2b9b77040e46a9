// The temporary file's contract: what is appended is read back at any offset, and what the
// system copies into another file is the bytes asked for.
#include "platform/TempFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/Files.h"

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

TEST(TempFileTest, WhatTheSystemCopiesIsTheBytesAskedFor) {
  TempFile file;
  ASSERT_TRUE(file.create());
  ASSERT_TRUE(file.write("0123456789", 10));
  const File target(std::tmpfile());
  ASSERT_TRUE(target);
  std::fputs("head:", target.get());
  // The system may copy none of them (Windows copies none); the caller writes the rest.
  const std::uint64_t copied = file.copyTo(target.get(), 2, 5);
  ASSERT_LE(copied, 5u);
  std::fflush(target.get());
  std::rewind(target.get());
  char bytes[32] = {};
  const std::size_t size = std::fread(bytes, 1, sizeof bytes, target.get());
  EXPECT_EQ(std::string(bytes, size), "head:" + std::string("23456").substr(0, copied));
}

}  // namespace
}  // namespace regforge
