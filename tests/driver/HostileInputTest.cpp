// Inputs that a user or a script may hand over and that are no plain file: a pipe, a device
// without end, a folder, a file over 2 GiB, an output folder that takes no file, and a pack
// whose link leads out of it. Each run ends with a message and leaves nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>

#include "Process.h"
#include "ProgramRun.h"
#include "SparseFile.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif
#if defined(__linux__)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace regforge::testsupport;

namespace {

constexpr char kSvd[] =
    "<device><name>D</name><peripherals><peripheral><name>P</name>"
    "<baseAddress>0x40000000</baseAddress></peripheral></peripherals></device>\n";
constexpr char kDdf[] = "sfr = \"A\", \"Memory\", 0x10, 4\ngroup = \"G\", \"A\"\n";

class HostileInputTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(work_);
    fs::create_directories(work_);
    write("chip.svd", kSvd);
    write("chip.ddf", kDdf);
  }
  void TearDown() override { fs::remove_all(work_); }

  void write(const std::string& name, const std::string& bytes) {
    fs::create_directories((work_ / name).parent_path());
    std::ofstream(work_ / name, std::ios::binary) << bytes;
  }
  ProgramRun run(const std::vector<std::string>& arguments) {
    return runRegforge(work_, arguments);
  }
  // A run that fails with that message (as the text-mode stream holds it) and makes no output.
  void expectRefused(const std::vector<std::string>& arguments, const std::string& message) {
    const ProgramRun refused = run(arguments);
    EXPECT_EQ(refused.status, 1) << arguments.front();
    EXPECT_EQ(refused.err, asTextFile(message));
    EXPECT_FALSE(fs::exists(work_ / "out.xml"));
  }

  const fs::path work_ =
      fs::temp_directory_path() / ("regforge-hostile-" + std::to_string(processId()));
};

TEST_F(HostileInputTest, APipeIsReadToItsEnd) {
#if defined(_WIN32)
  GTEST_SKIP() << "no named pipes in the file system on Windows";
#else
  // Each input read from a pipe gives what it gives from its file.
  for (const auto& [reader, file, bytes] :
       {std::tuple{"-ddf", "chip.ddf", kDdf}, std::tuple{"-warn", "chip.svd", kSvd}}) {
    ASSERT_EQ(run({reader, file, "plain.xml"}).status, 0);
    ASSERT_EQ(mkfifo((work_ / "pipe").c_str(), 0600), 0);
    std::thread writer(
        [&, text = bytes] { std::ofstream(work_ / "pipe", std::ios::binary) << text; });
    const ProgramRun piped = run({reader, "pipe", "out.xml"});
    writer.join();
    fs::remove(work_ / "pipe");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(readFile(work_ / "out.xml"), readFile(work_ / "plain.xml")) << file;
  }
#endif
}

TEST_F(HostileInputTest, AnInputWithoutEndStopsAtItsBound) {
  if (kWindows || !fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero here";
  expectRefused({"/dev/zero", "out.xml"}, "error: couldn't read /dev/zero at /dev/zero:0\n");
  expectRefused({"-ddf", "/dev/zero", "out.xml"}, "error: read of /dev/zero failed\n");
  expectRefused({"-irqs2", "/dev/zero", "chip.svd", "out.xml"},
                "couldn't read header file /dev/zero");
}

TEST_F(HostileInputTest, AFolderIsNoInputForAnyReader) {
  fs::create_directories(work_ / "dir");
  expectRefused({"dir", "out.xml"}, "error: couldn't read dir at dir:0\n");
  expectRefused({"-ddf", "dir", "out.xml"}, "error: read of dir failed\n");
  expectRefused({"-tcf", "dir", "out.xml"}, "error: read of dir failed\n");
  expectRefused({"-rdt", "cpu", "dir", "out.xml"}, "error: read of dir failed\n");
  expectRefused({"-irqs2", "dir", "chip.svd", "out.xml"}, "couldn't read header file dir");
}

TEST_F(HostileInputTest, AFileOver2GiBIsRefusedUnread) {
  write("big.svd", "<");
  const std::error_code error = makeSparse(work_ / "big.svd", (std::uint64_t{1} << 31) + 5);
  if (error) GTEST_SKIP() << "no sparse file of 2 GiB here: " << error.message();
  expectRefused({"big.svd", "out.xml"}, "error: couldn't read big.svd at big.svd:0\n");
  expectRefused({"-ddf", "big.svd", "out.xml"}, "error: read of big.svd failed\n");
}

// Sets or clears the immutable flag of a folder, where the system has one.
void setImmutable(const fs::path& folder, bool immutable) {
#if defined(__linux__)
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  int flags = 0;
  if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  if (fd >= 0) ::close(fd);
#else
  (void)folder;
  (void)immutable;
#endif
}

// Permissions bind no superuser: then the folder is made immutable, where the system can.
bool makeReadOnly(const fs::path& folder) {
  const auto refusesFiles = [&] {
    const bool made = static_cast<bool>(std::ofstream(folder / "probe"));
    fs::remove(folder / "probe");
    return !made;
  };
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  if (!refusesFiles()) setImmutable(folder, true);
  return refusesFiles();
}

void makeWritable(const fs::path& folder) {
  setImmutable(folder, false);
  fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(HostileInputTest, AReadOnlyOutputFolderGetsTheWriteErrorAndNothingElse) {
  fs::create_directories(work_ / "ro");
  const bool readOnly = makeReadOnly(work_ / "ro");
  if (!readOnly) {
    makeWritable(work_ / "ro");
    GTEST_SKIP() << "no folder here refuses new files";
  }
  const ProgramRun refused = run({"-irq-table", "ro/vectors", "chip.svd", "ro/out.xml"});
  const bool empty = fs::is_empty(work_ / "ro");
  makeWritable(work_ / "ro");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "error: write of ro/out.xml failed\n");
  EXPECT_TRUE(empty);
}

TEST_F(HostileInputTest, ALinkOutOfThePackIsRefused) {
#if defined(_WIN32)
  GTEST_SKIP() << "links need a privilege on Windows";
#else
  write("outside.svd", kSvd);
  write(
      "pack/Vendor.P.pdsc",
      "<package><devices><family Dfamily=\"F\"><processor Dcore=\"Cortex-M4\"/>"
      "<device Dname=\"D\"><debug svd=\"Svd/link.svd\"/></device>"
      "<device Dname=\"E\"><debug svd=\"Svd/inner.svd\"/></device></family></devices></package>\n");
  write("pack/Svd/chip.svd", kSvd);
  fs::create_symlink("../../outside.svd", work_ / "pack/Svd/link.svd");
  fs::create_symlink("chip.svd", work_ / "pack/Svd/inner.svd");
  const ProgramRun refused = run({"-pack", "*", "pack/Vendor.P.pdsc", "out"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "error: device D: SVD file \"Svd/link.svd\" leads out of the pack through a link\n");
  EXPECT_FALSE(fs::exists(work_ / "out/D.xml"));
  EXPECT_TRUE(fs::exists(work_ / "out/E.xml"));
#endif
}

}  // namespace
