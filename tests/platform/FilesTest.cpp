// Files by path: opening, lengths in 64 bits, reads at an offset, and whole files read into
// memory, ones whose size the system tells and ones it can't (a pipe), which are read in
// growing buffers up to a bound; text files as the C library's text mode reads them.
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "SparseFile.h"
#include "text/TextLines.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace regforge {
namespace {

using testsupport::ScratchFolder;

TEST(FilesTest, APieceIsReadAtItsOffsetAndNothingPastTheEnd) {
  const ScratchFolder folder("files-piece");
  const File file = openFile(folder.write("a", "0123456789").c_str(), "rb");
  ASSERT_TRUE(file);
  EXPECT_EQ(regularFileLength(file.get()), 10u);
  char bytes[4];
  ASSERT_TRUE(readAt(file.get(), 6, bytes, 4));
  EXPECT_EQ(std::string(bytes, 4), "6789");
  ASSERT_TRUE(readAt(file.get(), 1, bytes, 2));  // backwards too
  EXPECT_EQ(std::string(bytes, 2), "12");
  EXPECT_FALSE(readAt(file.get(), 7, bytes, 4));
}

// The NUL after the bytes lets the parsers stop without a length; the limit counts the bytes.
TEST(FilesTest, AWholeFileIsItsBytesAndANul) {
  const ScratchFolder folder("files-whole");
  const std::string path = folder.write("a", std::string("a\0b\r\n", 5));
  const WholeFile whole = readWholeFile(path.c_str(), 5);
  ASSERT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_EQ(whole.text(), std::string("a\0b\r\n", 5));
  EXPECT_EQ(whole.buffer.data()[5], '\0');
  EXPECT_EQ(readWholeFile(path.c_str(), 4).status, WholeFile::Status::Unreadable);
  EXPECT_EQ(readWholeFile((folder / "absent").c_str(), 5).status, WholeFile::Status::Unreadable);
  EXPECT_TRUE(openFile(path.c_str(), "wb"));  // writing empties it
  EXPECT_EQ(readWholeFile(path.c_str(), 5).size, 0u);
}

TEST(FilesTest, AFolderIsNoFile) {
  const ScratchFolder folder("files-folder");
  EXPECT_FALSE(openFile(folder.path().c_str(), "rb"));
  EXPECT_FALSE(openFile(folder.path().c_str(), "rt"));
  EXPECT_EQ(readWholeFile(folder.path().c_str(), 1000).status, WholeFile::Status::Unreadable);
}

TEST(FilesTest, APipeIsReadWholeThroughGrowingBuffers) {
#if defined(_WIN32)
  GTEST_SKIP() << "no named pipes in the file system on Windows";
#else
  const ScratchFolder folder("files-fifo");
  const std::string fifo = folder / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Several times the first buffer, and different from one position to the next, so that a
  // piece out of place shows.
  std::string bytes(300000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << bytes; });
  const WholeFile whole = readWholeFile(fifo.c_str(), std::size_t{1} << 30);
  writer.join();
  ASSERT_EQ(whole.status, WholeFile::Status::Read);
  EXPECT_TRUE(whole.text() == bytes);
#endif
}

TEST(FilesTest, AnInputWithoutEndStopsAtTheBound) {
#if defined(_WIN32)
  GTEST_SKIP() << "no /dev/zero on Windows";
#else
  EXPECT_EQ(readWholeFile("/dev/zero", std::size_t{1} << 20).status, WholeFile::Status::Unreadable);
#endif
}

// Its length needs more than 31 bits: it is refused before a byte is read.
TEST(FilesTest, AFileOver2GiBIsRefusedByItsLength) {
  const ScratchFolder folder("files-large");
  const std::string path = folder.write("large", "x");
  const std::error_code error = testsupport::makeSparse(path, (std::uint64_t{1} << 31) + 5);
  if (error) GTEST_SKIP() << "no sparse file of 2 GiB here: " << error.message();
  {
    // Closed before the file is removed: Windows removes no open file.
    const File file = openFile(path.c_str(), "rb");
    ASSERT_TRUE(file);
    EXPECT_EQ(regularFileLength(file.get()), (std::uint64_t{1} << 31) + 5);
  }
  EXPECT_EQ(readWholeFile(path.c_str(), INT32_MAX - 1).status, WholeFile::Status::Unreadable);
}

// The lines fgets reads from the file opened as text, and the lines cut from the text that
// readTextFile gives: the line readers read the second where they read the first.
std::vector<std::string> linesOfTextMode(const std::string& path) {
  std::vector<std::string> lines;
  const File file = openFile(path.c_str(), "rt");
  char line[64];
  while (file && std::fgets(line, sizeof line, file.get()))
    lines.emplace_back(line);
  return lines;
}

std::vector<std::string> linesOfTextFile(const std::string& path) {
  std::vector<std::string> lines;
  const WholeFile whole = readTextFile(path.c_str(), 1 << 20);
  EXPECT_EQ(whole.status, WholeFile::Status::Read);
  TextLines pieces(whole.text(), 64);
  while (const std::optional<std::string_view> line = pieces.next())
    lines.emplace_back(*line);
  return lines;
}

// On Windows text mode reads CR LF as LF, keeps a CR that no LF follows, and ends the text at
// the first Ctrl-Z; elsewhere a text file is its bytes. CR LF pairs fall across the C
// library's buffers of 512 and 4096 bytes.
TEST(FilesTest, ATextFileReadsAsTheTextModeReadsIt) {
  const ScratchFolder folder("files-text");
  std::string bytes = "one\r\ntwo\rthree\r\r\n";
  for (int i = 0; bytes.size() < 9000; ++i)
    bytes += std::string(static_cast<std::size_t>(i % 97), 'x') + "\r\n";
  bytes += "last\r";
  std::string expected = bytes;
  if (testsupport::kWindows) {
    for (std::size_t at = expected.find("\r\n"); at != std::string::npos;
         at = expected.find("\r\n", at))
      expected.erase(at, 1);
  }
  const std::string path = folder.write("text", bytes);
  EXPECT_TRUE(expected == std::string(readTextFile(path.c_str(), 1 << 20).text()));
  EXPECT_EQ(linesOfTextFile(path), linesOfTextMode(path));

  folder.write("text", "before\x1a after\r\n");
  EXPECT_EQ(readTextFile(path.c_str(), 100).text(),
            testsupport::kWindows ? "before" : "before\x1a after\r\n");
  EXPECT_EQ(linesOfTextFile(path), linesOfTextMode(path));
}

}  // namespace
}  // namespace regforge
