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

// Bytes that differ from one position to the next, so that a piece out of place shows.
std::string pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return bytes;
}

// Bytes that deflate hardly compresses, so that the packed data spans several read chunks.
std::string noise(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245 + 12345;
    byte = static_cast<char>(state >> 24);
  }
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
  const std::string bytes = noise(200000);
  const std::optional<ZipArchive> archive = open(testsupport::zipBytes({{"dir\\a.svd", bytes}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), std::vector<std::string>{"dir/a.svd"});
  const WholeFile whole = archive->read("dir/a.svd", bytes.size());
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_TRUE(whole.text() == bytes);
  EXPECT_NE(archive->read("dir/a.svd", bytes.size() - 1).status, WholeFile::Status::Read);
}

TEST_P(ZipArchiveTest, FilesStoredOrDeflatedAreFoundByNameInArchiveOrder) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"b", "stored", false}, {"a", "deflated"}, {"1", "1", false}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), (std::vector<std::string>{"b", "a", "1"}));
  EXPECT_EQ(archive->read("b", 100).text(), "stored");
  EXPECT_EQ(archive->read("1", 100).text(), "1");
  EXPECT_EQ(archive->read("a", 100).text(), "deflated");
  EXPECT_EQ(archive->size("a"), 8u);
  EXPECT_FALSE(archive->size("c"));
  EXPECT_EQ(archive->read("c", 100).status, WholeFile::Status::Unreadable);
  EXPECT_FALSE(open("not a zip archive"));
}

// The end record is found by its signature alone: a comment may follow it, and its disk
// numbers are not read. An archive of no files is the end record alone.
TEST_P(ZipArchiveTest, TheEndRecordIsFoundBeforeACommentWhateverItsDiskNumber) {
  std::string bytes = testsupport::zipBytes({{"a", "text"}});
  bytes[bytes.size() - 18] = 1;  // this disk's number
  bytes[bytes.size() - 2] = 7;   // the comment's length
  const std::optional<ZipArchive> archive = open(bytes + "comment");
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->read("a", 100).text(), "text");
  const std::optional<ZipArchive> empty = open(testsupport::zipBytes({}));
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->names().empty());
}

// Nothing makes the directory come last: here it and the end record come first, and the
// local header of an empty file, with no data, ends the archive.
TEST_P(ZipArchiveTest, AFileWhoseDataEndsTheArchiveIsRead) {
  const std::string zip = testsupport::zipBytes({{"a", "", false}});
  const std::size_t local = 31;  // the local header with its one-letter name
  const std::size_t directorySize = zip.size() - local - 22;
  const auto put = [](std::string bytes, std::size_t at, std::size_t value) {
    for (std::size_t i = 0; i < 4; ++i)
      bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
    return bytes;
  };
  const std::optional<ZipArchive> archive =
      open(put(zip.substr(local, directorySize), 42, directorySize + 22) +
           put(zip.substr(local + directorySize), 16, 0) + zip.substr(0, local));
  ASSERT_TRUE(archive);
  const WholeFile whole = archive->read("a", 100);
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_EQ(whole.size, 0u);
}

// Sizes and offsets that don't fit 32 bits are in zip64 records, and the reader finds them
// whatever extra field comes before.
TEST_P(ZipArchiveTest, Zip64RecordsGiveTheSizesAndOffsets) {
  const std::optional<ZipArchive> archive = open(testsupport::zipBytes(
      {{"a", pattern(3000), false}, {"b", noise(70000)}}, testsupport::ZipLayout{true}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(archive->size("b"), 70000u);
  EXPECT_TRUE(archive->read("a", 3000).text() == pattern(3000));
  EXPECT_TRUE(archive->read("b", 70000).text() == noise(70000));
}

// A zip64 field too short for the values it stands for or longer than the record's extra
// fields, or a zip64 end record that isn't one, makes no archive.
TEST_P(ZipArchiveTest, ADamagedZip64RecordIsNoArchive) {
  const std::string zip = testsupport::zipBytes({{"a", "text"}}, testsupport::ZipLayout{true});
  const std::size_t field = zip.find(std::string("\x01\x00\x18\x00", 4));
  ASSERT_NE(field, std::string::npos);
  std::string shortField = zip;
  shortField[field + 2] = 16;
  EXPECT_FALSE(open(shortField));
  std::string longField = zip;
  longField[field + 2] = 64;
  EXPECT_FALSE(open(longField));
  std::string noRecord = zip;
  const std::size_t record = noRecord.find("PK\x06\x06");
  ASSERT_NE(record, std::string::npos);
  noRecord[record + 3] = 7;
  EXPECT_FALSE(open(noRecord));
}

// What this reader can't unpack is unreadable, the rest of the archive still is.
TEST_P(ZipArchiveTest, EncryptedFilesOtherMethodsAndMissingHeadersAreUnreadable) {
  testsupport::ZipEntry encrypted("locked", "text");
  encrypted.flags = 1;
  testsupport::ZipEntry bzip2("bzip2", "text", false);
  bzip2.method = 12;
  std::string zip =
      testsupport::zipBytes({encrypted, bzip2, {"lost", "text", false}, {"ok", "text"}});
  zip[zip.find("lost") - 30] = 'X';  // the first name is the local header's, 30 bytes in
  const std::optional<ZipArchive> archive = open(zip);
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->read("locked", 100).status, WholeFile::Status::Unreadable);
  EXPECT_EQ(archive->read("bzip2", 100).status, WholeFile::Status::Unreadable);
  EXPECT_EQ(archive->read("lost", 100).status, WholeFile::Status::Unreadable);
  EXPECT_EQ(archive->read("ok", 100).text(), "text");
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
