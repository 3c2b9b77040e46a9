// The questions about files and folders that only a disk raises: paths kept inside a folder
// through their links, and folders named. The others are asked of FileAccess, on disk and in
// memory alike.
#include "platform/FileLookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ScratchFolder.h"

namespace regforge {
namespace {

using testsupport::ScratchFolder;

TEST(FileLookupTest, InsideAFolderMeansBelowItWithLinksFollowed) {
  const ScratchFolder folder("lookup-inside");
  const std::string file = folder.write("pack/a/b.txt", "x");
  folder.write("outside.txt", "x");
  EXPECT_TRUE(isInsideFolder(folder / "pack", file));
  EXPECT_TRUE(isInsideFolder(folder / "pack", folder / "pack/a/../a/b.txt"));
  EXPECT_FALSE(isInsideFolder(folder / "pack", folder / "pack/../outside.txt"));
  EXPECT_FALSE(isInsideFolder(folder / "pack", folder / "pack"));
  EXPECT_FALSE(isInsideFolder(folder / "pack", folder / "pack/missing.txt"));
}

TEST(FileLookupTest, TheFolderOfAPathEndsWithItsSeparator) {
  EXPECT_EQ(folderOf("packs/ARM/device.pdsc"), "packs/ARM/");
  EXPECT_EQ(folderOf("device.pdsc"), "");
  EXPECT_EQ(folderOf("/device.pdsc"), "/");
}

}  // namespace
}  // namespace regforge
