// The files a run reaches through FileAccess, on disk and in memory alike: regular files and
// folders told apart, names found whatever their letter case, folders made and listed; and the
// steps a long run reports there.
#include "files/FileAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Process.h"
#include "ScratchFolder.h"
#include "entry/Entry.h"

namespace regforge {
namespace {

using testsupport::ScratchFolder;

struct OnDisk {
  ScratchFolder folder{"file-access"};
  DiskFiles files;
  std::string root() const { return folder.path() + "/"; }
  void write(const std::string& relative) { folder.write(relative, "x"); }
};

struct InMemory {
  MemoryFiles files;
  std::string root() const { return ""; }
  void write(const std::string& relative) { files.files[relative] = "x"; }
};

template <class Place>
class FileAccessTest : public testing::Test {
 protected:
  Place place_;
  FileAccess& files_ = place_.files;
  const std::string root_ = place_.root();
};

using Places = testing::Types<OnDisk, InMemory>;
TYPED_TEST_SUITE(FileAccessTest, Places);

TYPED_TEST(FileAccessTest, FilesAndFoldersAreToldApart) {
  this->place_.write("Sub/File.txt");
  const std::string& root = this->root_;
  EXPECT_TRUE(this->files_.isFile(root + "Sub/File.txt"));
  EXPECT_FALSE(this->files_.isFolder(root + "Sub/File.txt"));
  EXPECT_TRUE(this->files_.isFolder(root + "Sub"));
  EXPECT_TRUE(this->files_.isFolder(root + "Sub/"));
  EXPECT_FALSE(this->files_.isFile(root + "Sub"));
  EXPECT_FALSE(this->files_.isFile(root + "Sub/Missing.txt"));
  EXPECT_FALSE(this->files_.isFolder(root + "Other"));
  // A name in another letter case is no match, on any system.
  EXPECT_FALSE(this->files_.isFile(root + "Sub/file.txt"));
}

TYPED_TEST(FileAccessTest, AFileIsFoundWhateverTheLetterCaseOfItsPath) {
  this->place_.write("Sub/File.TXT");
  this->place_.write("abcdFILE.txt");  // no entry of Sub/, though its tail looks like one
  const std::string& root = this->root_;
  EXPECT_EQ(this->files_.findFileIgnoringCase(root, "Sub/File.TXT"), root + "Sub/File.TXT");
  EXPECT_EQ(this->files_.findFileIgnoringCase(root, "sub/file.txt"), root + "Sub/File.TXT");
  EXPECT_FALSE(this->files_.findFileIgnoringCase(root, "sub/other.txt"));
  EXPECT_FALSE(this->files_.findFileIgnoringCase(root, "sub"));  // a folder is no file
  EXPECT_TRUE(this->files_.isInsideFolder(root + "Sub/", root + "Sub/File.TXT"));
}

TYPED_TEST(FileAccessTest, OfNamesThatDifferInCaseOnlyTheExactOneOrElseTheFirstIsFound) {
  if (testsupport::kWindows) GTEST_SKIP() << "one folder holds no two such names here";
  this->place_.write("b.txt");
  this->place_.write("B.txt");
  EXPECT_EQ(this->files_.findFileIgnoringCase(this->root_, "b.txt"), this->root_ + "b.txt");
  EXPECT_EQ(this->files_.findFileIgnoringCase(this->root_, "B.TXT"), this->root_ + "B.txt");
}

TYPED_TEST(FileAccessTest, AFolderListsItsOwnFilesBySuffixInNameOrder) {
  for (const char* name : {"b.pdsc", "a.PDSC", "c.txt", "sub/d.pdsc", "e.pdsc/f.txt"})
    this->place_.write(name);
  EXPECT_EQ(this->files_.filesEndingIn(this->root_, ".pdsc"),
            (std::vector<std::string>{"a.PDSC", "b.pdsc"}));
}

TYPED_TEST(FileAccessTest, FoldersAreMadeWithTheirParents) {
  const std::string& root = this->root_;
  EXPECT_TRUE(this->files_.makeFolder(root + "x/y/z"));
  EXPECT_TRUE(this->files_.isFolder(root + "x/y/z"));
  EXPECT_TRUE(this->files_.isFolder(root + "x"));
  EXPECT_TRUE(this->files_.makeFolder(root + "x/y/z"));  // already there
  this->place_.write("file");
  EXPECT_FALSE(this->files_.makeFolder(root + "file"));
  EXPECT_FALSE(this->files_.makeFolder(root + "file/below"));
}

// A device without an SVD file begins a step that never ends: nothing was converted.
TEST(FileAccessProgressTest, APatternRunReportsEachDeviceAsAStep) {
  MemoryFiles files;
  files.files["p.pdsc"] =
      "<package><devices><family Dfamily=\"F\"><processor Dcore=\"Cortex-M4\"/>"
      "<device Dname=\"A\"><debug svd=\"a.svd\"/></device><device Dname=\"B\"/>"
      "</family></devices></package>\n";
  files.files["a.svd"] = "<device><name>A</name><peripherals/></device>\n";
  const char* argv[] = {"regforge", "-pack", "*", "p.pdsc", "out"};
  EXPECT_EQ(runRegforge(5, argv, files).status, 0);
  std::string steps;
  for (const ProgressStep& step : files.steps)
    steps += std::to_string(step.step) + "/" + std::to_string(step.total) +
             (step.ended ? " ended\n" : " begun\n");
  EXPECT_EQ(steps, "1/2 begun\n1/2 ended\n2/2 begun\n");
  EXPECT_TRUE(files.isFolder("out"));
  EXPECT_EQ(files.files.count("out/A.xml"), 1u);
}

}  // namespace
}  // namespace regforge
