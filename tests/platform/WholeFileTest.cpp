// Whole files read into memory: ones whose size the system tells, and ones it can't (a pipe),
// which are read in growing buffers up to a bound; text files as the C library's text mode
// reads them; and files inside a zip archive, hostile ones included.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Process.h"
#include "SparseFile.h"
#include "ZipBytes.h"
#include "platform/Files.h"
#include "platform/ZipArchive.h"
#include "text/TextLines.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace regforge {
namespace {

namespace fs = std::filesystem;

// A name of this process's own, so that suites run side by side (plain and sanitized) keep apart.
fs::path scratch(const std::string& name) {
  return fs::temp_directory_path() / ("regforge-whole-" + std::to_string(getpid()) + "-" + name);
}

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

TEST(WholeFileTest, APipeIsReadWholeThroughGrowingBuffers) {
#if defined(_WIN32)
  GTEST_SKIP() << "no named pipes in the file system on Windows";
#else
  const fs::path fifo = scratch("fifo");
  fs::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string bytes = pattern(300000);  // several times the first buffer
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << bytes; });
  const WholeFile whole = readWholeFile(fifo.string().c_str(), std::size_t{1} << 30);
  writer.join();
  fs::remove(fifo);
  ASSERT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_EQ(whole.size, bytes.size());
  EXPECT_TRUE(text(whole) == bytes);
#endif
}

TEST(WholeFileTest, AnInputWithoutEndStopsAtTheBound) {
#if defined(_WIN32)
  GTEST_SKIP() << "no /dev/zero on Windows";
#else
  const WholeFile whole = readWholeFile("/dev/zero", std::size_t{1} << 20);
  EXPECT_EQ(whole.status, WholeFile::Status::Unreadable);
#endif
}

TEST(WholeFileTest, AFolderIsNoFile) {
  const fs::path folder = scratch("folder");
  fs::create_directories(folder);
  EXPECT_FALSE(openFile(folder.string().c_str(), "rb"));
  EXPECT_FALSE(openFile(folder.string().c_str(), "rt"));
  EXPECT_EQ(readWholeFile(folder.string().c_str(), 1000).status, WholeFile::Status::Unreadable);
  fs::remove(folder);
}

// Its length needs more than 31 bits: it is refused before a byte is read.
TEST(WholeFileTest, AFileOver2GiBIsRefusedByItsLength) {
  const fs::path path = scratch("large");
  std::ofstream(path, std::ios::binary) << "x";
  const std::error_code error = testsupport::makeSparse(path, (std::uint64_t{1} << 31) + 5);
  if (error) {
    fs::remove(path);
    GTEST_SKIP() << "no sparse file of 2 GiB here: " << error.message();
  }
  {
    // Closed before the file is removed: Windows removes no open file.
    const File file = openFile(path.string().c_str(), "rb");
    ASSERT_TRUE(file);
    EXPECT_EQ(regularFileLength(file.get()), (std::uint64_t{1} << 31) + 5);
  }
  EXPECT_EQ(readWholeFile(path.string().c_str(), INT32_MAX - 1).status,
            WholeFile::Status::Unreadable);
  fs::remove(path);
}

// The lines fgets read from the file opened as text, and the lines cut from the text that
// readTextFile gives: the line readers read the second where they read the first.
std::vector<std::string> linesOfTextMode(const fs::path& path) {
  std::vector<std::string> lines;
  const File file = openFile(path.string().c_str(), "rt");
  char line[64];
  while (file && std::fgets(line, sizeof line, file.get()))
    lines.emplace_back(line);
  return lines;
}

std::vector<std::string> linesOfTextFile(const fs::path& path) {
  std::vector<std::string> lines;
  const WholeFile whole = readTextFile(path.string().c_str(), 1 << 20);
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  TextLines pieces(whole.text(), 64);
  while (const std::optional<std::string_view> line = pieces.next())
    lines.emplace_back(*line);
  return lines;
}

// On Windows text mode reads CR LF as LF, keeps a CR that no LF follows, and ends the text at
// the first Ctrl-Z; elsewhere a text file is its bytes. CR LF pairs fall across the C
// library's buffers of 512 and 4096 bytes.
TEST(WholeFileTest, ATextFileReadsAsTheTextModeReadsIt) {
  const fs::path path = scratch("text");
  std::string bytes = "one\r\ntwo\rthree\r\r\n";
  for (int i = 0; bytes.size() < 9000; ++i)
    bytes += std::string(static_cast<std::size_t>(i % 97), 'x') + "\r\n";
  bytes += "last\r";
  std::string text = bytes;
  if (testsupport::kWindows) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
      text.erase(at, 1);
  }
  std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_TRUE(text == std::string(readTextFile(path.string().c_str(), 1 << 20).text()));
  EXPECT_EQ(linesOfTextFile(path), linesOfTextMode(path));

  std::ofstream(path, std::ios::binary) << "before\x1a after\r\n";
  EXPECT_EQ(readTextFile(path.string().c_str(), 100).text(),
            testsupport::kWindows ? "before" : "before\x1a after\r\n");
  EXPECT_EQ(linesOfTextFile(path), linesOfTextMode(path));
  fs::remove(path);
}

class ZipArchiveTest : public testing::Test {
 protected:
  std::optional<ZipArchive> open(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return ZipArchive::open(openFile(path_.string().c_str(), "rb"));
  }
  void TearDown() override { fs::remove(path_); }
  const fs::path path_ = scratch("a.zip");
};

TEST_F(ZipArchiveTest, AFileIsReadUpToItsLimitAndNoFurther) {
  const std::string bytes = pattern(5000);
  const std::optional<ZipArchive> archive = open(testsupport::zipBytes({{"dir\\a.svd", bytes}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), std::vector<std::string>{"dir/a.svd"});
  const WholeFile whole = archive->read("dir/a.svd", bytes.size());
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_TRUE(text(whole) == bytes);
  EXPECT_NE(archive->read("dir/a.svd", bytes.size() - 1).status, WholeFile::Status::Read);
}

TEST_F(ZipArchiveTest, AStoredFileIsReadAsItIs) {
  const std::optional<ZipArchive> archive = open(testsupport::zipBytes({{"a", "stored", false}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(text(archive->read("a", 100)), "stored");
}

// A few kilobytes that claim gigabytes get no buffer.
TEST_F(ZipArchiveTest, AFileClaimingMoreThanTheLimitIsRefusedUninflated) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"bomb", std::string(4096, 'x'), true, 0xfffffff0}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->size("bomb"), 0xfffffff0);
  EXPECT_EQ(archive->read("bomb", INT32_MAX - 1).status, WholeFile::Status::Unreadable);
}

// A file that inflates to more than its record says is damaged, not a larger buffer.
TEST_F(ZipArchiveTest, AFileLargerThanItClaimsIsDamaged) {
  const std::optional<ZipArchive> archive =
      open(testsupport::zipBytes({{"liar", std::string(100000, 'x'), true, 10}}));
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->read("liar", 1000000).status, WholeFile::Status::Unreadable);
}

TEST_F(ZipArchiveTest, ATruncatedArchiveIsNoArchive) {
  const std::string bytes = testsupport::zipBytes({{"a", pattern(1000)}, {"b", pattern(1000)}});
  EXPECT_FALSE(open(bytes.substr(0, bytes.size() - 30)));
  EXPECT_FALSE(open(bytes.substr(0, bytes.size() / 2)));
}

TEST_F(ZipArchiveTest, ATruncatedFileIsDamaged) {
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

}  // namespace
}  // namespace regforge
