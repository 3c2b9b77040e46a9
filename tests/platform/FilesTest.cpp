// Files by path: opening, lengths in 64 bits, reads at an offset, and whole files read into
// memory, ones whose size the system tells and ones it can't (a pipe), which are read in
// growing buffers up to a bound.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "SparseFile.h"
#include "platform/Files.h"

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

TEST(FilesTest, APieceIsReadAtItsOffsetAndNothingPastTheEnd) {
  const fs::path path = scratch("piece");
  std::ofstream(path, std::ios::binary) << "0123456789";
  {
    const File file = openFile(path.string().c_str(), "rb");
    ASSERT_TRUE(file);
    EXPECT_EQ(regularFileLength(file.get()), 10u);
    char bytes[4];
    ASSERT_TRUE(readAt(file.get(), 6, bytes, 4));
    EXPECT_EQ(std::string(bytes, 4), "6789");
    ASSERT_TRUE(readAt(file.get(), 1, bytes, 2));  // backwards too
    EXPECT_EQ(std::string(bytes, 2), "12");
    EXPECT_FALSE(readAt(file.get(), 7, bytes, 4));
  }
  fs::remove(path);
}

// The NUL after the bytes lets the parsers stop without a length; the limit counts the bytes.
TEST(FilesTest, AWholeFileIsItsBytesAndANul) {
  const fs::path path = scratch("whole");
  std::ofstream(path, std::ios::binary) << std::string("a\0b\r\n", 5);
  const WholeFile whole = readWholeFile(path.string().c_str(), 5);
  ASSERT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_EQ(text(whole), std::string("a\0b\r\n", 5));
  EXPECT_EQ(whole.buffer.data()[5], '\0');
  EXPECT_EQ(readWholeFile(path.string().c_str(), 4).status, WholeFile::Status::Unreadable);
  EXPECT_EQ(readWholeFile(scratch("absent").string().c_str(), 5).status,
            WholeFile::Status::Unreadable);
  {
    const File file = openFile(path.string().c_str(), "wb");  // writing empties it
    ASSERT_TRUE(file);
  }
  EXPECT_EQ(readWholeFile(path.string().c_str(), 5).size, 0u);
  fs::remove(path);
}

TEST(FilesTest, APipeIsReadWholeThroughGrowingBuffers) {
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

TEST(FilesTest, AnInputWithoutEndStopsAtTheBound) {
#if defined(_WIN32)
  GTEST_SKIP() << "no /dev/zero on Windows";
#else
  const WholeFile whole = readWholeFile("/dev/zero", std::size_t{1} << 20);
  EXPECT_EQ(whole.status, WholeFile::Status::Unreadable);
#endif
}

TEST(FilesTest, AFolderIsNoFile) {
  const fs::path folder = scratch("folder");
  fs::create_directories(folder);
  EXPECT_FALSE(openFile(folder.string().c_str(), "rb"));
  EXPECT_FALSE(openFile(folder.string().c_str(), "rt"));
  EXPECT_EQ(readWholeFile(folder.string().c_str(), 1000).status, WholeFile::Status::Unreadable);
  fs::remove(folder);
}

// Its length needs more than 31 bits: it is refused before a byte is read.
TEST(FilesTest, AFileOver2GiBIsRefusedByItsLength) {
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

}  // namespace
}  // namespace regforge
