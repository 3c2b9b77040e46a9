// Whole files read into memory: ones whose size the system tells, and ones it can't (a pipe),
// which are read in growing buffers; and files inside a zip archive.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/Files.h"
#include "platform/ZipArchive.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif
#if !defined(REGFORGE_NO_ZIP_PACKS)
#include <minizip/zip.h>
#endif

namespace regforge {
namespace {

namespace fs = std::filesystem;

// A name of this process's own, so that suites run side by side (plain and sanitized) keep apart.
[[maybe_unused]] fs::path scratch(const std::string& name) {
  return fs::temp_directory_path() / ("regforge-whole-" + std::to_string(getpid()) + "-" + name);
}

[[maybe_unused]] std::string text(const WholeFile& whole) {
  return std::string(whole.buffer.data(), whole.size);
}

// Bytes that differ from one position to the next, so that a piece out of place shows.
[[maybe_unused]] std::string pattern(std::size_t size) {
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

TEST(WholeFileTest, AZippedFileIsReadUpToItsLimitAndNoFurther) {
  if (!ZipArchive::available()) GTEST_SKIP() << "a build without zip packs";
#if !defined(REGFORGE_NO_ZIP_PACKS)
  const fs::path path = scratch("a.zip");
  const std::string bytes = pattern(5000);
  zipFile zip = zipOpen64(path.string().c_str(), APPEND_STATUS_CREATE);
  ASSERT_NE(zip, nullptr);
  ASSERT_EQ(zipOpenNewFileInZip64(zip, "dir\\a.svd", nullptr, nullptr, 0, nullptr, 0, nullptr,
                                  Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
            ZIP_OK);
  zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
  zipCloseFileInZip(zip);
  zipClose(zip, nullptr);
  const std::optional<ZipArchive> archive = ZipArchive::open(path.string());
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->names(), std::vector<std::string>{"dir/a.svd"});
  const WholeFile whole = archive->read("dir/a.svd", bytes.size());
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_TRUE(text(whole) == bytes);
  EXPECT_NE(archive->read("dir/a.svd", bytes.size() - 1).status, WholeFile::Status::Read);
  fs::remove(path);
#endif
}

}  // namespace
}  // namespace regforge
