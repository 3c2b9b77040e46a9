// Zip archives read in place: names, sizes, stored and deflated files read up to a limit, and
// hostile archives that lie about their sizes or are cut short.
#include "platform/ZipArchive.h"

#include <gtest/gtest.h>

#include <list>
#include <string>

#include "ScratchFolder.h"
#include "ZipBytes.h"

namespace regforge {
namespace {

std::string text(const WholeFile& whole) {
  return std::string(whole.buffer.data(), whole.size);
}

// Bytes that differ from one position to the next, so that a piece out of place shows.
std::string pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return bytes;
}

// Each test reads the archive from a file and, read in place, from bytes in memory.
class ZipArchiveTest : public testing::TestWithParam<bool> {
 protected:
  std::optional<ZipArchive> open(const std::string& bytes) {
    if (GetParam()) return ZipArchive::open(std::string_view(held_.emplace_back(bytes)));
    return ZipArchive::open(openFile(folder_.write("a.zip", bytes).c_str(), "rb"));
  }
  const testsupport::ScratchFolder folder_{"zip"};
  std::list<std::string> held_;  // each archive's bytes, where they stay
};

TEST_P(ZipArchiveTest, AFileIsReadUpToItsLimitAndNoFurther) {
  const std::string bytes = pattern(5000);
  const std::optional<ZipArchive> archive = open(testsupport::zipBytes({{"dir\\a.svd", bytes}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), std::vector<std::string>{"dir/a.svd"});
  const WholeFile whole = archive->read("dir/a.svd", bytes.size());
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_TRUE(text(whole) == bytes);
  EXPECT_NE(archive->read("dir/a.svd", bytes.size() - 1).status, WholeFile::Status::Read);
}

TEST_P(ZipArchiveTest, FilesStoredOrDeflatedAreFoundByNameInArchiveOrder) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"b", "stored", false}, {"a", "deflated"}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(text(archive->read("b", 100)), "stored");
  EXPECT_EQ(text(archive->read("a", 100)), "deflated");
  EXPECT_EQ(archive->size("a"), 8u);
  EXPECT_FALSE(archive->size("c"));
  EXPECT_EQ(archive->read("c", 100).status, WholeFile::Status::Unreadable);
  EXPECT_FALSE(open("not a zip archive"));
}

// A few kilobytes that claim gigabytes get no buffer.
TEST_P(ZipArchiveTest, AFileClaimingMoreThanTheLimitIsRefusedUninflated) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"bomb", std::string(4096, 'x'), true, 0xfffffff0}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->size("bomb"), 0xfffffff0);
  EXPECT_EQ(archive->read("bomb", INT32_MAX - 1).status, WholeFile::Status::Unreadable);
}

// A file that inflates to more than its record says is damaged, not a larger buffer.
TEST_P(ZipArchiveTest, AFileLargerThanItClaimsIsDamaged) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"liar", std::string(100000, 'x'), true, 10}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->read("liar", 1000000).status, WholeFile::Status::Unreadable);
}

TEST_P(ZipArchiveTest, ATruncatedArchiveIsNoArchive) {
  const std::string bytes = testsupport::zipBytes({{"a", pattern(1000)}, {"b", pattern(1000)}});
  EXPECT_FALSE(open(bytes.substr(0, bytes.size() - 30)));
  EXPECT_FALSE(open(bytes.substr(0, bytes.size() / 2)));
}

TEST_P(ZipArchiveTest, ATruncatedFileIsDamaged) {
  std::string bytes = testsupport::zipBytes({{"a", pattern(5000), false}});
  const std::optional<ZipArchive> whole = open(bytes);
  ASSERT_TRUE(whole);
  // Bytes of the data overwritten: their CRC is wrong.
  for (std::size_t i = 100; i < 600; ++i)
    bytes[i] = 'z';
  const std::optional<ZipArchive> damaged = open(bytes);
  ASSERT_TRUE(damaged);
  EXPECT_EQ(damaged->read("a", 10000).status, WholeFile::Status::Unreadable);
}

INSTANTIATE_TEST_SUITE_P(FileOrMemory, ZipArchiveTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& run) {
                           return run.param ? "InMemory" : "OnDisk";
                         });

}  // namespace
}  // namespace regforge
