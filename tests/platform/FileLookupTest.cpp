// The questions about files and folders: regular files and folders told apart, names found
// whatever their letter case, paths kept inside a folder, folders made and named.
#include "platform/FileLookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Process.h"
#include "ScratchFolder.h"

namespace regforge {
namespace {

namespace fs = std::filesystem;
using testsupport::ScratchFolder;

// The last two names of path, '/' separated, whatever separators the system put in.
std::string lastTwo(const std::string& path) {
  const fs::path p(path);
  return p.parent_path().filename().string() + "/" + p.filename().string();
}

TEST(FileLookupTest, FilesAndFoldersAreToldApart) {
  const ScratchFolder folder("lookup-kinds");
  const std::string file = folder.write("Sub/File.txt", "x");
  EXPECT_TRUE(isFile(file));
  EXPECT_FALSE(isFolder(file));
  EXPECT_TRUE(isFolder(folder / "Sub"));
  EXPECT_FALSE(isFile(folder / "Sub"));
  EXPECT_FALSE(isFile(folder / "Sub/Missing.txt"));
  // A name in another letter case is no match, on any system.
  EXPECT_FALSE(isFile(folder / "Sub/file.txt"));
}

TEST(FileLookupTest, FilesOfASuffixAreListedInNameOrderWhateverItsLetterCase) {
  const ScratchFolder folder("lookup-suffix");
  folder.write("b.PDSC", "x");
  folder.write("a.pdsc", "x");
  folder.write("c.pdsc.txt", "x");
  folder.write("d.pdsc/e.pdsc", "x");  // a folder is no file, and its files are not looked at
  EXPECT_EQ(filesEndingIn(folder.path(), ".pdsc"), (std::vector<std::string>{"a.pdsc", "b.PDSC"}));
  EXPECT_TRUE(filesEndingIn(folder / "missing", ".pdsc").empty());
}

TEST(FileLookupTest, AFileIsFoundWhateverTheLetterCaseOfItsPath) {
  const ScratchFolder folder("lookup-case");
  folder.write("Sub/File.TXT", "x");
  const std::optional<std::string> exact = findFileIgnoringCase(folder.path(), "Sub/File.TXT");
  ASSERT_TRUE(exact);
  EXPECT_EQ(lastTwo(*exact), "Sub/File.TXT");
  const std::optional<std::string> found = findFileIgnoringCase(folder.path(), "sub/file.txt");
  ASSERT_TRUE(found);
  EXPECT_EQ(lastTwo(*found), "Sub/File.TXT");
  EXPECT_TRUE(isFile(*found));
  EXPECT_FALSE(findFileIgnoringCase(folder.path(), "sub/other.txt"));
  EXPECT_FALSE(findFileIgnoringCase(folder.path(), "sub"));  // a folder is no file
}

TEST(FileLookupTest, OfNamesThatDifferInCaseOnlyTheExactOneOrElseTheFirstIsFound) {
  if (testsupport::kWindows) GTEST_SKIP() << "one folder holds no two such names here";
  const ScratchFolder folder("lookup-first");
  folder.write("b.txt", "lower");
  folder.write("B.txt", "upper");
  EXPECT_EQ(fs::path(*findFileIgnoringCase(folder.path(), "b.txt")).filename(), "b.txt");
  EXPECT_EQ(fs::path(*findFileIgnoringCase(folder.path(), "B.TXT")).filename(), "B.txt");
}

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

TEST(FileLookupTest, FoldersAreMadeWithTheirParents) {
  const ScratchFolder folder("lookup-make");
  EXPECT_TRUE(makeFolder(folder / "x/y/z"));
  EXPECT_TRUE(isFolder(folder / "x/y/z"));
  EXPECT_TRUE(makeFolder(folder / "x/y/z"));  // already there
  const std::string file = folder.write("file", "x");
  EXPECT_FALSE(makeFolder(file));
}

TEST(FileLookupTest, TheFolderOfAPathEndsWithItsSeparator) {
  EXPECT_EQ(folderOf("packs/ARM/device.pdsc"), "packs/ARM/");
  EXPECT_EQ(folderOf("device.pdsc"), "");
  EXPECT_EQ(folderOf("/device.pdsc"), "/");
}

}  // namespace
}  // namespace regforge
