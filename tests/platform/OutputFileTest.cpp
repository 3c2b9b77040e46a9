// Output files that are complete or absent: links followed, permissions and owner kept,
// nothing left behind by a failed write.
#include "platform/OutputFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Process.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace regforge {
namespace {

namespace fs = std::filesystem;
using testsupport::readFile;

class OutputFileTest : public ::testing::Test {
 protected:
  void writeFile(const std::string& name, const std::string& bytes) { scratch_.write(name, bytes); }
  static void put(OutputFile& file, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), file.stream());
  }
  long entries() const {
    return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
  }
  const testsupport::ScratchFolder scratch_{"output"};
  const fs::path folder_ = scratch_.path();
};

TEST_F(OutputFileTest, ALinkedFileIsReplacedWhenCompleteAndKeepsItsPermissions) {
  if (testsupport::kWindows) GTEST_SKIP() << "links need a privilege on Windows, and are replaced";
  writeFile("out", "old");
  fs::permissions(folder_ / "out",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("out", folder_ / "link");
  OutputFile file;
  ASSERT_TRUE(file.open((folder_ / "link").string(), OutputFile::Mode::Binary));
  put(file, "new");
  EXPECT_EQ(readFile(folder_ / "out"), "old");  // nothing seen before the end
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(readFile(folder_ / "out"), "new");
  EXPECT_EQ(fs::status(folder_ / "out").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(fs::read_symlink(folder_ / "link"), "out");
  EXPECT_EQ(entries(), 2);  // no temporary file left
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsOwnerWhereTheSystemAllowsIt) {
#if defined(_WIN32)
  GTEST_SKIP() << "no owners to keep on Windows";
#else
  if (geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file away";
  writeFile("theirs", "old");
  const std::string path = (folder_ / "theirs").string();
  ASSERT_EQ(chown(path.c_str(), 4321, getegid()), 0);  // another owner, the same group
  OutputFile file;
  ASSERT_TRUE(file.open(path, OutputFile::Mode::Binary));
  put(file, "new");
  ASSERT_TRUE(file.commit());
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 4321u);
  EXPECT_EQ(readFile(folder_ / "theirs"), "new");
#endif
}

TEST_F(OutputFileTest, AnUnfinishedOrUnplaceableFileLeavesNothingBehind) {
  writeFile("kept", "old");
  {
    OutputFile abandoned;
    ASSERT_TRUE(abandoned.open((folder_ / "kept").string(), OutputFile::Mode::Binary));
    put(abandoned, "new");
  }
  EXPECT_EQ(readFile(folder_ / "kept"), "old");
  // A folder that takes the name meanwhile makes the rename fail.
  OutputFile file;
  ASSERT_TRUE(file.open((folder_ / "taken").string(), OutputFile::Mode::Text));
  put(file, "text");
  fs::create_directories(folder_ / "taken" / "inner");
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(entries(), 2);  // kept and taken
}

// A device is written in place; the driver's cases show the messages of a failed commit.
TEST_F(OutputFileTest, AFullDeviceFailsTheCommitWithTheSystemsReason) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  OutputFile file;
  ASSERT_TRUE(file.open("/dev/full", OutputFile::Mode::Binary));
  put(file, "bytes");
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.problem(), std::strerror(ENOSPC));
}

}  // namespace
}  // namespace regforge
